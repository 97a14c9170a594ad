#include "settings/MicrophoneSettingsWindow.h"

#include "measure/LoudnessAnalysis.h"
#include "measure/MeasurementAudio.h"
#include "measure/RecordingFile.h"
#include "measure/Waits.h"
#include "platform/AtomicFile.h"
#include "platform/WavHeader.h"
#include "settings/AudioInputChooser.h"
#include "settings/MicTest.h"
#include "settings/SampleWidgets.h"
#include "store/ContestState.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace {

const QString TestFile = QStringLiteral("mk1.wav");
const QSize PictureSize(480, 220);
// The device is given this long beyond the three seconds to deliver its
// last samples before it is stopped.
constexpr qint64 DeviceFinishMs = 2000;

std::unique_ptr<SoundRecorder> TakeRecorder(const ContestState& context, std::unique_ptr<SoundRecorder> given, SoundRecorder*& kept)
{
    if (!given)
        given = ChosenMicrophone(context);
    kept = given.get();
    return given;
}

}

MicrophoneSettingsWindow::MicrophoneSettingsWindow(ContestState& context, QString recVolumeCommand, QWidget* parent, std::unique_ptr<SoundRecorder> recorder)
    : SettingsDialog(context, QStringLiteral("環境設定　マイク"), parent), RecVolumeCommand(std::move(recVolumeCommand)),
      Recorder(nullptr), Device(TakeRecorder(context, std::move(recorder), Recorder)), Commands(context, Device)
{
    BuildControls();
    LayOut();
}

void MicrophoneSettingsWindow::BuildControls()
{
    List1 = new QListWidget(this);
    List1->setFixedWidth(250);
    FRM1 = new QGroupBox(this);
    Label2 = new QLabel(QStringLiteral("測定品質"), FRM1);
    OP1[2] = new QRadioButton(QStringLiteral("高品位"), FRM1);
    OP1[2]->setToolTip(QStringLiteral("48MHz 16BITで計測します。"));
    OP1[1] = new QRadioButton(QStringLiteral("中品位"), FRM1);
    OP1[1]->setToolTip(QStringLiteral("16MHz 16BITで計測視します。"));
    OP1[0] = new QRadioButton(QStringLiteral("ノーマル"), FRM1);
    OP1[0]->setToolTip(QStringLiteral("8MHz 8BITで計測します。"));
    for (int i = 0; i < 3; ++i)
        connect(OP1[i], &QRadioButton::clicked, this, [this, i] { OP1_Click(i); });
    HS1 = new QScrollBar(Qt::Horizontal, this);
    HS1->setRange(0, 100);
    HS1->setPageStep(5);
    HS1->setMinimumWidth(160);
    connect(HS1, &QScrollBar::valueChanged, this, [this] { HS1_Change(); });
    Label3 = new QLabel(QStringLiteral("音量カットレベル"), this);
    Label4 = new QLabel(QStringLiteral("低"), this);
    Label5 = new QLabel(QStringLiteral("高"), this);
    LB6 = new QLabel(this);
    Label1 = new QLabel(QStringLiteral("測定時間"), this);
    LB3 = new QLabel(this);
    PC1 = new PictureBox(PictureSize, this);
    LVL1 = new LevelBar(QSize(14, PictureSize.height()), this);
    LBX2 = new QLabel(this);
    LBX8 = new QLabel(this);
    SP1 = new ColourPatch(this, QSize(18, 18));
    LB101 = new QLabel(this);
    LB102 = new QLabel(this);
    LB103 = new QLabel(this);
    for (QLabel* score : {LB101, LB102, LB103})
        score->setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 12));
    LBMSG = new QLabel(this);
    LBMSG->setToolTip(QStringLiteral("プレイ-データクリアをすれば変更できます。"));
    SetTextColour(LBMSG, QColor(192, 0, 0));
    CmdSTR = MakeButton(QStringLiteral("テスト(&T)"), QStringLiteral("測定のテストを開始します。"));
    CmdStp = MakeButton(QStringLiteral("ストップ(&B)"), QStringLiteral("テストをストップします。"));
    CmdUpd = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("設定を登録します。"));
    CmdVol = MakeButton(QStringLiteral("ﾎﾞﾘｭｰﾑ(&V)"), QStringLiteral("マイクのボリューム設定です。"));
    connect(CmdSTR, &QPushButton::clicked, this, &MicrophoneSettingsWindow::CmdSTR_Click);
    connect(CmdStp, &QPushButton::clicked, this, &MicrophoneSettingsWindow::CmdStp_Click);
    connect(CmdUpd, &QPushButton::clicked, this, &MicrophoneSettingsWindow::CmdUpd_Click);
    connect(CmdVol, &QPushButton::clicked, this, &MicrophoneSettingsWindow::CmdVol_Click);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &MicrophoneSettingsWindow::Timer1_Timer);
    inputChooser = new AudioInputChooser(Context, this);
    inputChooser->setObjectName(QStringLiteral("inputChooser"));
    LevelTimer = new QTimer(this);
    LevelTimer->setInterval(50);
    connect(LevelTimer, &QTimer::timeout, this, &MicrophoneSettingsWindow::LevelTimer_Timer);
}

void MicrophoneSettingsWindow::LayOut()
{
    auto* quality = new QVBoxLayout(FRM1);
    quality->addWidget(Label2);
    for (int i = 2; i >= 0; --i)
        quality->addWidget(OP1[i]);

    auto* cut = new QGridLayout;
    cut->addWidget(Label3, 0, 0, 1, 3);
    cut->addWidget(Label4, 1, 0);
    cut->addWidget(HS1, 1, 1);
    cut->addWidget(Label5, 1, 2);
    cut->addWidget(LB6, 2, 0, 1, 3, Qt::AlignRight);

    auto* time = new QHBoxLayout;
    time->addWidget(Label1);
    time->addWidget(LB3);
    time->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(FRM1);
    left->addLayout(cut);
    left->addLayout(time);
    left->addStretch();

    auto* state = new QHBoxLayout;
    state->addWidget(SP1);
    state->addWidget(LBX8);
    state->addStretch();
    state->addWidget(LBX2);
    auto* picture = new QHBoxLayout;
    picture->setSpacing(4);
    picture->addWidget(PC1);
    picture->addWidget(LVL1);
    auto* middle = new QVBoxLayout;
    middle->addLayout(state);
    middle->addLayout(picture);
    auto* scores = new QHBoxLayout;
    for (QLabel* score : {LB101, LB102, LB103})
        scores->addWidget(score);
    middle->addLayout(scores);
    middle->addWidget(inputChooser);
    middle->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LBMSG);
    buttons->addStretch();
    for (QPushButton* button : {CmdSTR, CmdStp, CmdVol, CmdUpd})
        buttons->addWidget(button);

    auto* layout = new QGridLayout(this);
    layout->addLayout(left, 0, 0);
    layout->addLayout(middle, 0, 1);
    layout->addWidget(List1, 0, 2);
    layout->addLayout(buttons, 1, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MicrophoneSettingsWindow::Form_Load()
{
    Testing = false;
    StopRequested = false;
    Timer1->stop();
    LevelTimer->stop();
    if (!LoadBasicSettings(Context))
        return;
    LB3->setText(QString::number(TestSeconds) + QStringLiteral("秒"));
    LoadMicSettings(Context);
    // A hand-edited file may hold values no control can show.
    MicSettings& mic = Context.Settings.Mic;
    mic.NoiseCutLevel = static_cast<int16_t>(std::clamp<int>(mic.NoiseCutLevel, 0, 100));
    mic.Quality = static_cast<int16_t>(std::clamp<int>(mic.Quality, 0, 2));
    ExpectedBytes = ExpectedTestBytes(mic.Quality);
    HS1->setValue(mic.NoiseCutLevel);
    OP1[mic.Quality]->setChecked(true);
    LB6->setText(CutLevelText(mic.NoiseCutLevel));
    List1->clear();
    inputChooser->Load();
    LVL1->SetLevel(0);
    ReturnToIdle();
    ResetPicture();
    Locked = ApplyContestLock(LBMSG, QStringLiteral("プレイ中は音質、カットレベル、ボリュームの変更はできません。"), {FRM1, HS1, CmdVol});
    for (QLabel* score : {LB101, LB102, LB103})
        score->hide();
}

void MicrophoneSettingsWindow::ResetPicture()
{
    PC1->Clear();
    ExpectedBytes = ExpectedTestBytes(Context.Settings.Mic.Quality);
    LBX2->setText(QStringLiteral("テスト後､波形が表示されます。"));
    AfterTest = 0;
    DrawBand();
}

void MicrophoneSettingsWindow::DrawBand()
{
    const int quality = Context.Settings.Mic.Quality;
    QPainter painter(&PC1->Canvas());
    painter.setWorldTransform(PictureTransform(quality, ExpectedBytes, PC1->Canvas().size()));
    DrawCutBand(painter, quality, ExpectedBytes, Context.Settings.Mic.NoiseCutLevel, AfterTest == 1);
    PC1->update();
}

int MicrophoneSettingsWindow::SelectedQuality() const
{
    for (int i = 0; i < 3; ++i) {
        if (OP1[i]->isChecked())
            return i;
    }
    return Context.Settings.Mic.Quality;
}

void MicrophoneSettingsWindow::OP1_Click(int index)
{
    MicSettings& mic = Context.Settings.Mic;
    if (index != mic.Quality) {
        if (Locked) {
            Context.Messages.Inform(QStringLiteral("プレイ中の変更はできません！"), MessageIcon::Information, QStringLiteral("変更制限"));
            OP1[mic.Quality]->setChecked(true);
        } else if (Context.Messages.Show(QStringLiteral("測定音質を変える場合は必ずテストをおこなって\n"
                                                        "録音するマイクボリュームを合わせてください。\n変更しますか？"),
                                         QStringLiteral("音質の変更"), MessageIcon::Warning,
                                         MessageButtons::YesNo) == MessageAnswer::Yes) {
            mic.Quality = static_cast<int16_t>(index);
        } else {
            OP1[mic.Quality]->setChecked(true);
        }
    }
    ResetPicture();
}

void MicrophoneSettingsWindow::HS1_Change()
{
    PC1->Clear();
    AfterTest = 0;
    Context.Settings.Mic.NoiseCutLevel = static_cast<int16_t>(HS1->value());
    LB6->setText(CutLevelText(HS1->value()));
    DrawBand();
}

void MicrophoneSettingsWindow::SetLamp(bool recording)
{
    SetBackColour(SP1, recording ? QColor(255, 0, 0) : QColor(0, 0, 255));
}

void MicrophoneSettingsWindow::CmdSTR_Click()
{
    Testing = true;
    CmdSTR->setEnabled(false);
    CmdUpd->setEnabled(false);
    CmdVol->setEnabled(false);
    CmdStp->setEnabled(true);
    for (QLabel* score : {LB101, LB102, LB103})
        score->hide();
    const RecordingFormat format = RecordingFormatOf(Context.Settings.Mic.Quality);
    Context.Measure.WavPath = Context.Folder.FilePath(TestFile);
    if (!CopyFileReplacing(Context.Folder.FilePath(QLatin1String(format.TemplateName)), Context.Measure.WavPath)) {
        Context.Messages.Inform(QStringLiteral("グラフデータ保存フォルダが正しくありません！"), MessageIcon::Error);
        ReturnToIdle();
        return;
    }
    PC1->Clear();
    List1->clear();
    Commands.RunMciCommand(QStringLiteral("close mysound"));
    QDir::setCurrent(Context.Folder.Path());
    Commands.RunMciCommand(QStringLiteral("open MK1.wav alias mysound type waveaudio"));
    Commands.RunMciCommand(QStringLiteral("record mysound from 0 to ") + QString::number(TestSeconds * 1000) +
                           QStringLiteral(" overwrite"));
    TickCount = 0;
    StopRequested = false;
    Timer1->start();
    LevelTimer->start();
    SetLamp(true);
    LBX8->setText(QStringLiteral("[入力中]"));
}

void MicrophoneSettingsWindow::CmdStp_Click()
{
    StopRequested = true;
}

void MicrophoneSettingsWindow::StopDevice()
{
    for (const char* command : {"stop mysound", "save mysound", "close mysound"})
        Commands.RunMciCommand(QLatin1String(command));
}

// The device ends its three seconds a little after the 30th tick, by the
// time its first samples took to arrive; stopped at once it would save a
// recording that is too short.
void MicrophoneSettingsWindow::WaitForDeviceToFinish()
{
    QElapsedTimer waited;
    waited.start();
    QString mode;
    while (waited.elapsed() < DeviceFinishMs && Commands.SendMciCommand(QStringLiteral("status mysound mode"), mode) == 0 &&
           mode == QLatin1String("recording"))
        WaitMilliseconds(10);
}

void MicrophoneSettingsWindow::Timer1_Timer()
{
    if (StopRequested) {
        Timer1->stop();
        LevelTimer->stop();
        PC1->Clear();
        StopDevice();
        Context.Messages.Inform(QStringLiteral("テストはキャンセルされました！"), MessageIcon::None);
        ReturnToIdle();
        return;
    }
    ++TickCount;
    {
        const int quality = Context.Settings.Mic.Quality;
        QPainter painter(&PC1->Canvas());
        painter.setWorldTransform(PictureTransform(quality, ExpectedBytes, PC1->Canvas().size()));
        DrawProgress(painter, quality, TickCount);
        PC1->update();
    }
    if (TickCount < TestTicks)
        return;
    Timer1->stop();
    PC1->Clear();
    SetLamp(false);
    WaitForDeviceToFinish();
    LevelTimer->stop();
    LVL1->SetLevel(0);
    StopDevice();
    TickCount = 0;
    LBX8->setText(QStringLiteral("[解析中]"));
    TestAnalysis();
}

void MicrophoneSettingsWindow::LevelTimer_Timer()
{
    LVL1->SetLevel(PeakOfLast(Recorder->Samples(), Context.Settings.Mic.Quality, 50));
}

void MicrophoneSettingsWindow::TestAnalysis()
{
    const QString path = Context.Folder.FilePath(QStringLiteral("MK1.WAV"));
    QFile file(path);
    QByteArray header;
    QByteArray data;
    if (file.open(QIODevice::ReadOnly)) {
        header = file.read(RecordingHeaderSize);
        data = file.readAll();
        file.close();
    }
    if (header.size() == RecordingHeaderSize)
        List1->addItems(HeaderReadout(header));
    DataBytes = static_cast<int>(data.size()) - (RecordingHeaderSize - static_cast<int>(header.size()));
    if (DataBytes != ExpectedBytes) {
        Context.Messages.Inform(QStringLiteral("データが不一致です！"), MessageIcon::Error, QStringLiteral("録音データファイルの不正"));
        ReturnToIdle();
        return;
    }
    DrawAnalysedRecording(data);
    const MicSettings& mic = Context.Settings.Mic;
    const MeasureResult result = ScoreRecordingFile(path, mic.Quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16, mic.NoiseCutLevel);
    LB101->setText(ScoreLine(QStringLiteral("測定値"), result.TotalPoints));
    LB102->setText(ScoreLine(QStringLiteral("最大値"), result.MaxPoints));
    LB103->setText(ScoreLine(QStringLiteral("積算値"), result.IntegPoints));
    for (QLabel* score : {LB101, LB102, LB103})
        score->show();
    ReturnToIdle();
}

void MicrophoneSettingsWindow::DrawAnalysedRecording(const QByteArray& data)
{
    const int quality = Context.Settings.Mic.Quality;
    PC1->Clear();
    QPainter painter(&PC1->Canvas());
    painter.setWorldTransform(PictureTransform(quality, DataBytes, PC1->Canvas().size()));
    DrawReferenceLines(painter, quality, DataBytes);
    AfterTest = 1;
    DrawCutBand(painter, quality, DataBytes, Context.Settings.Mic.NoiseCutLevel, true);
    DrawTestWaveform(painter, quality, data);
    PC1->update();
}

void MicrophoneSettingsWindow::ReturnToIdle()
{
    Testing = false;
    SetLamp(false);
    LBX8->setText(QStringLiteral("***"));
    CmdSTR->setEnabled(true);
    CmdUpd->setEnabled(true);
    CmdVol->setEnabled(!Locked);
    CmdStp->setEnabled(false);
}

void MicrophoneSettingsWindow::CmdUpd_Click()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        Context.Settings.Mic.Quality = static_cast<int16_t>(SelectedQuality());
        return SaveMicSettings(Context);
    });
}

void MicrophoneSettingsWindow::CmdVol_Click()
{
    OpenVolumeControl(Context, RecVolumeCommand, StartVolumeControl);
}

bool MicrophoneSettingsWindow::MayClose()
{
    if (!Testing)
        return true;
    Context.Messages.Inform(QStringLiteral("テストを停止してから終了してください！"), MessageIcon::None);
    return false;
}
