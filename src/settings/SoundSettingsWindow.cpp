#include "settings/SoundSettingsWindow.h"

#include "settings/NumberPair.h"
#include "settings/SampleWidgets.h"
#include "store/ContestState.h"
#include "store/SettingsStore.h"

#include <QCheckBox>
#include <QDir>
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

SoundSettingsWindow::SoundSettingsWindow(ContestState& context, QString playVolumeCommand, QWidget* parent)
    : SettingsDialog(context, QStringLiteral("環境設定　サウンド"), parent), PlayVolumeCommand(std::move(playVolumeCommand))
{
    BuildSlots();
    TXT1 = new QLineEdit(this);
    TXT1->setFixedWidth(48);
    TXT1->setAlignment(Qt::AlignRight);
    TXT1->setToolTip(QStringLiteral("順位の効果音を鳴らす設定です。"));
    VS1 = new QScrollBar(Qt::Vertical, this);
    // As wide as the box accepts, so that every accepted number shows on it.
    VS1->setRange(5, 99);
    VS1->setPageStep(1);
    VS1->setFixedHeight(TXT1->sizeHint().height());
    RankFrom = new NumberPair(TXT1, VS1, 5, 99);
    LB1 = new QLabel(this);
    CmdTst = MakeButton(QStringLiteral("テスト(&T)"), QStringLiteral("テストで、選択されているサウンドを流します。"));
    MMStop = MakeButton(QStringLiteral("■"), QStringLiteral("テスト中のサウンドをストップします。"));
    MMStop->setFixedWidth(36);
    CmdUpd = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("編集中の設定を登録します。"));
    CmdVol = MakeButton(QStringLiteral("ﾎﾞﾘｭｰﾑ(&V)"));
    connect(CmdTst, &QPushButton::clicked, this, &SoundSettingsWindow::CmdTst_Click);
    connect(MMStop, &QPushButton::clicked, this, &SoundSettingsWindow::MMStop_Click);
    connect(CmdUpd, &QPushButton::clicked, this, &SoundSettingsWindow::CmdUpd_Click);
    connect(CmdVol, &QPushButton::clicked, this, &SoundSettingsWindow::CmdVol_Click);
    LayOut();
}

void SoundSettingsWindow::BuildSlots()
{
    for (int i = 0; i < 7; ++i) {
        Lnm[i] = new QLabel(QString::fromUtf8(SlotNames[i]), this);
        sxdtxt[i] = new QLineEdit(this);
        sxdtxt[i]->setMinimumWidth(420);
        sxdtxt[i]->setToolTip(i == 1 || i == 3 ? QStringLiteral("レスポンスが良いＷＡＶファイルが適しています。")
                                               : QStringLiteral("ＭＩＤＩ、ＷＡＶのサウンドを指定します。"));
        sxdtxt[i]->installEventFilter(this);
        GuardStoredText(sxdtxt[i]);
        CmdSer[i] = MakeButton(QStringLiteral("参照"), QStringLiteral("サウンドファイルを指定します。"));
        CmdSer[i]->installEventFilter(this);
        connect(CmdSer[i], &QPushButton::clicked, this, [this, i] { CmdSer_Click(i); });
        CK1[i] = new QCheckBox(this);
        connect(CK1[i], &QCheckBox::clicked, this, [this, i] { CK1_Click(i); });
    }
}

void SoundSettingsWindow::LayOut()
{
    auto* slotRows = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        slotRows->addWidget(Lnm[i], i, 0);
        slotRows->addWidget(sxdtxt[i], i, 1);
        slotRows->addWidget(CmdSer[i], i, 2);
        slotRows->addWidget(CK1[i], i, 3);
    }
    auto* rank = new QHBoxLayout;
    rank->addWidget(new QLabel(QStringLiteral("順位音の適用"), this));
    rank->addWidget(TXT1);
    rank->addWidget(VS1);
    rank->addWidget(new QLabel(QStringLiteral("人目以降から"), this));
    rank->addStretch();
    auto* test = new QHBoxLayout;
    test->addWidget(LB1);
    test->addWidget(CmdTst);
    test->addSpacing(16);
    test->addWidget(new QLabel(QStringLiteral("テストサウンド停止ボタン"), this));
    test->addWidget(MMStop);
    test->addStretch();
    test->addWidget(CmdVol);
    test->addWidget(CmdUpd);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(slotRows);
    layout->addWidget(new QLabel(QStringLiteral("サウンドはファイルの種類でWAVを指定します。"), this));
    layout->addWidget(new QLabel(QStringLiteral("サウンドはファイルの種類でWAV/MIDIのいずれかを指定します。"), this));
    layout->addLayout(rank);
    layout->addLayout(test);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SoundSettingsWindow::Form_Load()
{
    SelectSlot(0);
    LoadSoundSettings(Context);
    const SoundSettings& sound = Context.Settings.Sound;
    for (int i = 0; i < 7; ++i) {
        sxdtxt[i]->setText(sound.SoundFile[i]);
        CK1[i]->setChecked(sound.SoundEnabled[i]);
        CK1[i]->setText(UseCaption(sound.SoundEnabled[i]));
    }
    RankFrom->Show(sound.RankSoundFromEntry);
}

bool SoundSettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 7; ++i) {
            if (watched == sxdtxt[i] || watched == CmdSer[i])
                SelectSlot(i);
        }
    }
    return SettingsDialog::eventFilter(watched, event);
}

void SoundSettingsWindow::SelectSlot(int slot)
{
    CurrentSlot = slot;
    LB1->setText(QLatin1Char('(') + Lnm[slot]->text() + QLatin1Char(')'));
    for (QLineEdit* box : sxdtxt) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, box == sxdtxt[slot] ? Highlight : this->palette().color(QPalette::Base));
        box->setPalette(palette);
    }
}

void SoundSettingsWindow::CK1_Click(int slot)
{
    CK1[slot]->setText(UseCaption(CK1[slot]->isChecked()));
}

void SoundSettingsWindow::CmdSer_Click(int slot)
{
    const std::optional<QString> chosen = Choosers.ChooseFile(sxdtxt[slot]->text(), QStringLiteral("サウンドファイルの指定"),
                                                              QStringLiteral("ｻｳﾝﾄﾞﾌｧｲﾙ(WAV) (*.WAV *.wav)"), this);
    // The dialog may have moved the current folder.
    QDir::setCurrent(Context.Folder.Path());
    if (!chosen || !AcceptStoredText(*chosen))
        return;
    sxdtxt[slot]->setText(*chosen);
    Context.Settings.Sound.SoundFile[slot] = *chosen;
}

void SoundSettingsWindow::CmdTst_Click()
{
    if (MMControl1.Mode() != MultimediaPlayer::ModeNotOpen)
        MMControl1.Command(QStringLiteral("Close"));
    MMControl1.FileName = sxdtxt[CurrentSlot]->text();
    for (const char* command : {"Open", "Prev", "Play"})
        MMControl1.Command(QLatin1String(command));
}

void SoundSettingsWindow::MMStop_Click()
{
    MMControl1.Command(QStringLiteral("Close"));
}

void SoundSettingsWindow::CmdUpd_Click()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        SoundSettings& sound = Context.Settings.Sound;
        for (int i = 0; i < 7; ++i) {
            sound.SoundFile[i] = sxdtxt[i]->text();
            sound.SoundEnabled[i] = CK1[i]->isChecked();
        }
        sound.RankSoundFromEntry = static_cast<int16_t>(RankFrom->Value());
        return SaveSoundSettings(Context);
    });
}

void SoundSettingsWindow::CmdVol_Click()
{
    OpenVolumeControl(Context, PlayVolumeCommand, StartVolumeControl);
}

void SoundSettingsWindow::done(int result)
{
    MMControl1.Command(QStringLiteral("Close"));
    SettingsDialog::done(result);
}
