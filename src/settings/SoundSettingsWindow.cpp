#include "settings/SoundSettingsWindow.h"

#include "settings/NumberPair.h"
#include "settings/SampleWidgets.h"
#include "widgets/ContestSession.h"
#include "core/SettingsStore.h"
#include "widgets/OperatorMessages.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

const std::array<const char*, 7> SlotNames{"スタート", "停止", "トップ", "上位", "普通", "下位", "ブービー"};
const QColor Highlight(192, 255, 192);

QString UseCaption(bool used)
{
    return used ? QStringLiteral("使用") : QStringLiteral("不使用");
}

}

SoundSettingsWindow::SoundSettingsWindow(ContestSession& context, QString playVolumeCommand, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("環境設定　サウンド"), parent), PlayVolumeCommand(std::move(playVolumeCommand))
{
    BuildSlots();
    // The spinner reaches 0 to 4 as well, which typing refuses, and is as
    // wide as typing accepts, so that every accepted number shows on it.
    rankSoundFrom = new NumberPair(this, Qt::Vertical, {5, 99}, {0, 99}, 1);
    rankSoundFrom->Name(QStringLiteral("rankSoundFrom"));
    rankSoundFrom->Box()->setToolTip(QStringLiteral("順位の効果音を鳴らす設定です。"));
    selectedSlot = new QLabel(this);
    selectedSlot->setObjectName(QStringLiteral("selectedSlot"));
    testButton = MakeButton(QStringLiteral("テスト(&T)"), QStringLiteral("テストで、選択されているサウンドを流します。"));
    testButton->setObjectName(QStringLiteral("testButton"));
    stopButton = MakeButton(QStringLiteral("■"), QStringLiteral("テスト中のサウンドをストップします。"));
    stopButton->setObjectName(QStringLiteral("stopButton"));
    stopButton->setFixedWidth(36);
    registerButton = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("編集中の設定を登録します。"));
    registerButton->setObjectName(QStringLiteral("registerButton"));
    volumeButton = MakeButton(QStringLiteral("ﾎﾞﾘｭｰﾑ(&V)"));
    volumeButton->setObjectName(QStringLiteral("volumeButton"));
    connect(testButton, &QPushButton::clicked, this, &SoundSettingsWindow::PlayTest);
    connect(stopButton, &QPushButton::clicked, this, &SoundSettingsWindow::StopTest);
    connect(registerButton, &QPushButton::clicked, this, &SoundSettingsWindow::Register);
    connect(volumeButton, &QPushButton::clicked, this, [this] { OpenVolumeControl(Context, PlayVolumeCommand, StartVolumeControl); });
    LayOut();
}

void SoundSettingsWindow::BuildSlots()
{
    for (int i = 0; i < 7; ++i) {
        slotNames[i] = new QLabel(QString::fromUtf8(SlotNames[i]), this);
        soundFiles[i] = new QLineEdit(this);
        soundFiles[i]->setObjectName(QStringLiteral("soundFile%1").arg(i));
        soundFiles[i]->setMinimumWidth(420);
        soundFiles[i]->setToolTip(i == 1 || i == 3 ? QStringLiteral("レスポンスが良いＷＡＶファイルが適しています。")
                                                   : QStringLiteral("ＭＩＤＩ、ＷＡＶのサウンドを指定します。"));
        soundFiles[i]->installEventFilter(this);
        GuardStoredText(soundFiles[i]);
        browseButtons[i] = MakeButton(QStringLiteral("参照"), QStringLiteral("サウンドファイルを指定します。"));
        browseButtons[i]->setObjectName(QStringLiteral("browseButton%1").arg(i));
        browseButtons[i]->installEventFilter(this);
        connect(browseButtons[i], &QPushButton::clicked, this, [this, i] { ChooseFile(i); });
        useBoxes[i] = new QCheckBox(this);
        useBoxes[i]->setObjectName(QStringLiteral("useBox%1").arg(i));
        connect(useBoxes[i], &QCheckBox::clicked, this, [this, i] { ShowUse(i); });
    }
}

void SoundSettingsWindow::LayOut()
{
    auto* slotRows = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        slotRows->addWidget(slotNames[i], i, 0);
        slotRows->addWidget(soundFiles[i], i, 1);
        slotRows->addWidget(browseButtons[i], i, 2);
        slotRows->addWidget(useBoxes[i], i, 3);
    }
    auto* rank = new QHBoxLayout;
    rank->addWidget(new QLabel(QStringLiteral("順位音の適用"), this));
    rank->addWidget(rankSoundFrom->Box());
    rank->addWidget(rankSoundFrom->Bar());
    rank->addWidget(new QLabel(QStringLiteral("人目以降から"), this));
    rank->addStretch();
    auto* test = new QHBoxLayout;
    test->addWidget(selectedSlot);
    test->addWidget(testButton);
    test->addSpacing(16);
    test->addWidget(new QLabel(QStringLiteral("テストサウンド停止ボタン"), this));
    test->addWidget(stopButton);
    test->addStretch();
    test->addWidget(volumeButton);
    test->addWidget(registerButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(slotRows);
    layout->addWidget(new QLabel(QStringLiteral("サウンドはファイルの種類でWAVを指定します。"), this));
    layout->addWidget(new QLabel(QStringLiteral("サウンドはファイルの種類でWAV/MIDIのいずれかを指定します。"), this));
    layout->addLayout(rank);
    layout->addLayout(test);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SoundSettingsWindow::LoadOnOpen()
{
    SelectSlot(0);
    const SoundSettings& sound = Context.Settings.Sound;
    for (int i = 0; i < 7; ++i) {
        soundFiles[i]->setText(sound.SoundFile[i]);
        useBoxes[i]->setChecked(sound.SoundEnabled[i]);
        ShowUse(i);
    }
    rankSoundFrom->Show(sound.RankSoundFromEntry);
}

bool SoundSettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 7; ++i) {
            if (watched == soundFiles[i] || watched == browseButtons[i])
                SelectSlot(i);
        }
    }
    return SettingsDialog::eventFilter(watched, event);
}

void SoundSettingsWindow::SelectSlot(int slot)
{
    currentSlot = slot;
    selectedSlot->setText(QLatin1Char('(') + slotNames[slot]->text() + QLatin1Char(')'));
    for (QLineEdit* box : soundFiles) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, box == soundFiles[slot] ? Highlight : this->palette().color(QPalette::Base));
        box->setPalette(palette);
    }
}

void SoundSettingsWindow::ShowUse(int slot)
{
    useBoxes[slot]->setText(UseCaption(useBoxes[slot]->isChecked()));
}

void SoundSettingsWindow::ChooseFile(int slot)
{
    const std::optional<QString> chosen = Choosers.ChooseFile(soundFiles[slot]->text(), QStringLiteral("サウンドファイルの指定"),
                                                              QStringLiteral("ｻｳﾝﾄﾞﾌｧｲﾙ(WAV) (*.WAV *.wav)"), this);
    if (!chosen || !AcceptStoredText(*chosen))
        return;
    soundFiles[slot]->setText(*chosen);
}

void SoundSettingsWindow::PlayTest()
{
    if (player.Mode() != MultimediaPlayer::ModeNotOpen)
        player.Command(QStringLiteral("Close"));
    player.FileName = Context.Folder.Resolve(soundFiles[currentSlot]->text());
    for (const char* command : {"Open", "Prev", "Play"})
        player.Command(QLatin1String(command));
}

void SoundSettingsWindow::StopTest()
{
    player.Command(QStringLiteral("Close"));
}

void SoundSettingsWindow::Register()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        SoundSettings& sound = Context.Settings.Sound;
        for (int i = 0; i < 7; ++i) {
            sound.SoundFile[i] = soundFiles[i]->text();
            sound.SoundEnabled[i] = useBoxes[i]->isChecked();
        }
        sound.RankSoundFromEntry = static_cast<int16_t>(rankSoundFrom->Value());
        return Succeeded(Context.Messages, SaveSoundSettings(Context));
    });
}

void SoundSettingsWindow::done(int result)
{
    StopTest();
    SettingsDialog::done(result);
}
