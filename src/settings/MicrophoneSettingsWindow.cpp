#include "settings/MicrophoneSettingsWindow.h"

#include "core/RecordingFile.h"
#include "core/ProgramOptions.h"
#include "settings/AudioInputChooser.h"
#include "settings/LevelCalibrationGroup.h"
#include "settings/MicTest.h"
#include "settings/SampleWidgets.h"
#include "widgets/ContestSession.h"
#include "core/SettingsStore.h"
#include "widgets/FactorySettings.h"
#include "widgets/OperatorMessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace {

const QSize PictureSize(480, 220);

}

MicrophoneSettingsWindow::MicrophoneSettingsWindow(ContestSession& context, QString recVolumeCommand, QWidget* parent,
                                                   std::unique_ptr<SoundRecorder> recorder, WaitClock& clock)
    : SettingsDialog(context, QStringLiteral("環境設定　マイク"), parent), RecVolumeCommand(std::move(recVolumeCommand)),
      TestRun(new MicrophoneTestRun(context, std::move(recorder), clock, this))
{
    BuildControls();
    LayOut();
    FollowTest();
}

void MicrophoneSettingsWindow::BuildControls()
{
    headerList = new QListWidget(this);
    headerList->setFixedWidth(250);
    qualityFrame = new QGroupBox(this);
    qualityCaption = new QLabel(QStringLiteral("測定品質"), qualityFrame);
    qualityOptions[2] = new QRadioButton(QStringLiteral("高品位"), qualityFrame);
    qualityOptions[2]->setToolTip(QStringLiteral("48MHz 16BITで計測します。"));
    qualityOptions[1] = new QRadioButton(QStringLiteral("中品位"), qualityFrame);
    qualityOptions[1]->setToolTip(QStringLiteral("16MHz 16BITで計測視します。"));
    qualityOptions[0] = new QRadioButton(QStringLiteral("ノーマル"), qualityFrame);
    qualityOptions[0]->setToolTip(QStringLiteral("8MHz 8BITで計測します。"));
    for (int i = 0; i < 3; ++i)
        connect(qualityOptions[i], &QRadioButton::clicked, this, [this, i] { ChangeQuality(i); });
    cutLevelBar = new QScrollBar(Qt::Horizontal, this);
    cutLevelBar->setRange(0, 100);
    cutLevelBar->setPageStep(5);
    cutLevelBar->setMinimumWidth(160);
    connect(cutLevelBar, &QScrollBar::valueChanged, this, [this] { ChangeCutLevel(); });
    cutLevelCaption = new QLabel(QStringLiteral("音量カットレベル"), this);
    lowCaption = new QLabel(QStringLiteral("低"), this);
    highCaption = new QLabel(QStringLiteral("高"), this);
    cutLevelText = new QLabel(this);
    durationCaption = new QLabel(QStringLiteral("測定時間"), this);
    testDuration = new QLabel(this);
    picture = new PictureBox(PictureSize, this);
    inputLevel = new LevelBar(QSize(14, PictureSize.height()), this);
    pictureHint = new QLabel(this);
    stateText = new QLabel(this);
    recordingLamp = new ColourPatch(this, QSize(18, 18));
    totalScore = new QLabel(this);
    maxScore = new QLabel(this);
    integratedScore = new QLabel(this);
    for (QLabel* score : {totalScore, maxScore, integratedScore})
        score->setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 12));
    lockMessage = new QLabel(this);
    lockMessage->setToolTip(QStringLiteral("プレイ-データクリアをすれば変更できます。"));
    SetTextColour(lockMessage, QColor(192, 0, 0));
    testButton = MakeButton(QStringLiteral("テスト(&T)"), QStringLiteral("測定のテストを開始します。"));
    stopButton = MakeButton(QStringLiteral("ストップ(&B)"), QStringLiteral("テストをストップします。"));
    registerButton = MakeButton(QStringLiteral("登録(&U)"), QStringLiteral("設定を登録します。"));
    volumeButton = MakeButton(QStringLiteral("ﾎﾞﾘｭｰﾑ(&V)"), QStringLiteral("マイクのボリューム設定です。"));
    connect(testButton, &QPushButton::clicked, TestRun, &MicrophoneTestRun::start);
    connect(stopButton, &QPushButton::clicked, TestRun, &MicrophoneTestRun::stop);
    connect(registerButton, &QPushButton::clicked, this, &MicrophoneSettingsWindow::Register);
    connect(volumeButton, &QPushButton::clicked, this, [this] { OpenVolumeControl(Context, RecVolumeCommand, StartVolumeControl); });
    inputChooser = new AudioInputChooser(Context, this);
    levelGroup = new LevelCalibrationGroup(Context, [this] { return SelectedQuality(); }, this);
    NameControls({{headerList, "headerList"}, {qualityFrame, "qualityFrame"}, {qualityOptions[0], "normalQualityOption"},
                  {qualityOptions[1], "middleQualityOption"}, {qualityOptions[2], "highQualityOption"},
                  {cutLevelBar, "cutLevelBar"}, {cutLevelText, "cutLevelText"}, {testDuration, "testDuration"},
                  {picture, "picture"}, {inputLevel, "inputLevel"}, {pictureHint, "pictureHint"}, {stateText, "stateText"},
                  {recordingLamp, "recordingLamp"}, {totalScore, "totalScore"}, {maxScore, "maxScore"},
                  {integratedScore, "integratedScore"}, {lockMessage, "lockMessage"}, {testButton, "testButton"},
                  {stopButton, "stopButton"}, {registerButton, "registerButton"}, {volumeButton, "volumeButton"},
                  {inputChooser, "inputChooser"}});
}

void MicrophoneSettingsWindow::LayOut()
{
    auto* quality = new QVBoxLayout(qualityFrame);
    quality->addWidget(qualityCaption);
    for (int i = 2; i >= 0; --i)
        quality->addWidget(qualityOptions[i]);

    auto* cut = new QGridLayout;
    cut->addWidget(cutLevelCaption, 0, 0, 1, 3);
    cut->addWidget(lowCaption, 1, 0);
    cut->addWidget(cutLevelBar, 1, 1);
    cut->addWidget(highCaption, 1, 2);
    cut->addWidget(cutLevelText, 2, 0, 1, 3, Qt::AlignRight);

    auto* time = new QHBoxLayout;
    time->addWidget(durationCaption);
    time->addWidget(testDuration);
    time->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(qualityFrame);
    left->addLayout(cut);
    left->addLayout(time);
    left->addStretch();

    auto* state = new QHBoxLayout;
    state->addWidget(recordingLamp);
    state->addWidget(stateText);
    state->addStretch();
    state->addWidget(pictureHint);
    auto* drawing = new QHBoxLayout;
    drawing->setSpacing(4);
    drawing->addWidget(picture);
    drawing->addWidget(inputLevel);
    auto* middle = new QVBoxLayout;
    middle->addLayout(state);
    middle->addLayout(drawing);
    auto* scores = new QHBoxLayout;
    for (QLabel* score : {totalScore, maxScore, integratedScore})
        scores->addWidget(score);
    middle->addLayout(scores);
    middle->addWidget(inputChooser);
    middle->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lockMessage);
    buttons->addStretch();
    for (QPushButton* button : {testButton, stopButton, volumeButton, registerButton})
        buttons->addWidget(button);

    auto* layout = new QGridLayout(this);
    layout->addLayout(left, 0, 0);
    layout->addLayout(middle, 0, 1);
    layout->addWidget(headerList, 0, 2);
    layout->addWidget(levelGroup, 1, 0, 1, 3);
    layout->addLayout(buttons, 2, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MicrophoneSettingsWindow::LoadOnOpen()
{
    if (!LoadBasicSettingsOrRecover(Context))
        return;
    testDuration->setText(QString::number(TestSeconds) + QStringLiteral("秒"));
    Stored = Context.Settings.Mic;
    // A hand-edited file may hold values no control can show.
    MicSettings& mic = Context.Settings.Mic;
    mic.NoiseCutLevel = static_cast<int16_t>(std::clamp<int>(mic.NoiseCutLevel, 0, 100));
    if (!IsKnownQuality(mic.Quality))
        mic.Quality = std::clamp(mic.Quality, RecordingQuality::Normal, RecordingQuality::High);
    ExpectedBytes = ExpectedTestBytes(mic.Quality);
    cutLevelBar->setValue(mic.NoiseCutLevel);
    qualityOptions[static_cast<int>(mic.Quality)]->setChecked(true);
    cutLevelText->setText(CutLevelText(mic.NoiseCutLevel));
    headerList->clear();
    inputChooser->Load();
    levelGroup->Load();
    inputLevel->SetLevel(0);
    ReturnToIdle();
    ResetPicture();
    Locked = ApplyContestLock(lockMessage, QStringLiteral("プレイ中は音質、カットレベル、ボリュームの変更はできません。"), {qualityFrame, cutLevelBar, volumeButton});
    stateText->setText(QStringLiteral("[状態]"));
    for (QLabel* score : {totalScore, maxScore, integratedScore})
        score->hide();
}

void MicrophoneSettingsWindow::ResetPicture()
{
    picture->Clear();
    ExpectedBytes = ExpectedTestBytes(Context.Settings.Mic.Quality);
    pictureHint->setText(QStringLiteral("テスト後､波形が表示されます。"));
    AfterTest = false;
    DrawBand();
}

void MicrophoneSettingsWindow::DrawBand()
{
    const RecordingQuality quality = Context.Settings.Mic.Quality;
    QPainter painter(&picture->Canvas());
    painter.setWorldTransform(PictureTransform(quality, ExpectedBytes, picture->Canvas().size()));
    DrawCutBand(painter, quality, ExpectedBytes, Context.Settings.Mic.NoiseCutLevel, AfterTest);
    picture->update();
}

RecordingQuality MicrophoneSettingsWindow::SelectedQuality() const
{
    for (int i = 0; i < 3; ++i) {
        if (qualityOptions[i]->isChecked())
            return static_cast<RecordingQuality>(i);
    }
    return Context.Settings.Mic.Quality;
}

void MicrophoneSettingsWindow::ChangeQuality(int index)
{
    MicSettings& mic = Context.Settings.Mic;
    if (static_cast<RecordingQuality>(index) != mic.Quality) {
        if (Locked) {
            Context.Messages.Inform(QStringLiteral("プレイ中の変更はできません！"), MessageIcon::Information, QStringLiteral("変更制限"));
            qualityOptions[static_cast<int>(mic.Quality)]->setChecked(true);
        } else if (Context.Messages.Show(QStringLiteral("測定音質を変える場合は必ずテストをおこなって\n"
                                                        "録音するマイクボリュームを合わせてください。\n変更しますか？"),
                                         QStringLiteral("音質の変更"), MessageIcon::Warning,
                                         MessageButtons::YesNo) == MessageAnswer::Yes) {
            mic.Quality = static_cast<RecordingQuality>(index);
        } else {
            qualityOptions[static_cast<int>(mic.Quality)]->setChecked(true);
        }
    }
    ResetPicture();
}

void MicrophoneSettingsWindow::ChangeCutLevel()
{
    picture->Clear();
    AfterTest = false;
    Context.Settings.Mic.NoiseCutLevel = static_cast<int16_t>(cutLevelBar->value());
    cutLevelText->setText(CutLevelText(cutLevelBar->value()));
    DrawBand();
}

void MicrophoneSettingsWindow::SetLamp(bool recording)
{
    SetBackColour(recordingLamp, recording ? QColor(255, 0, 0) : QColor(0, 0, 255));
}

void MicrophoneSettingsWindow::FollowTest()
{
    connect(TestRun, &MicrophoneTestRun::started, this, &MicrophoneSettingsWindow::ShowTestStarting);
    connect(TestRun, &MicrophoneTestRun::recordingPrepared, this, [this] {
        picture->Clear();
        headerList->clear();
    });
    connect(TestRun, &MicrophoneTestRun::inputStarted, this, [this] {
        SetLamp(true);
        stateText->setText(QStringLiteral("[入力中]"));
    });
    connect(TestRun, &MicrophoneTestRun::ticked, this, &MicrophoneSettingsWindow::ShowProgress);
    connect(TestRun, &MicrophoneTestRun::inputLevelShown, inputLevel, &LevelBar::SetLevel);
    connect(TestRun, &MicrophoneTestRun::inputEnded, this, &MicrophoneSettingsWindow::ShowInputEnded);
    connect(TestRun, &MicrophoneTestRun::headerRead, headerList, [this](const QStringList& lines) { headerList->addItems(lines); });
    connect(TestRun, &MicrophoneTestRun::analysed, this, &MicrophoneSettingsWindow::ShowAnalysis);
    connect(TestRun, &MicrophoneTestRun::failureFound, this, [this](const AudioFailure& failure) { Report(Context.Messages, failure); });
    connect(TestRun, &MicrophoneTestRun::ended, this, &MicrophoneSettingsWindow::ShowTestEnded);
}

void MicrophoneSettingsWindow::ShowTestStarting()
{
    testButton->setEnabled(false);
    registerButton->setEnabled(false);
    volumeButton->setEnabled(false);
    stopButton->setEnabled(true);
    for (QLabel* score : {totalScore, maxScore, integratedScore})
        score->hide();
}

void MicrophoneSettingsWindow::ShowProgress(int ticks)
{
    const RecordingQuality quality = Context.Settings.Mic.Quality;
    QPainter painter(&picture->Canvas());
    painter.setWorldTransform(PictureTransform(quality, ExpectedBytes, picture->Canvas().size()));
    DrawProgress(painter, quality, ticks);
    picture->update();
}

void MicrophoneSettingsWindow::ShowInputEnded(bool cancelled)
{
    picture->Clear();
    if (cancelled)
        return;
    SetLamp(false);
    stateText->setText(QStringLiteral("[解析中]"));
}

void MicrophoneSettingsWindow::ShowTestEnded(MicrophoneTestRun::Ending ending)
{
    if (ending == MicrophoneTestRun::Ending::Cancelled)
        Context.Messages.Inform(QStringLiteral("テストはキャンセルされました！"), MessageIcon::None);
    else if (ending == MicrophoneTestRun::Ending::WrongSize)
        Report(Context.Messages, TestRecordingMismatch{});
    ReturnToIdle();
}

void MicrophoneSettingsWindow::ShowAnalysis(const QByteArray& samples, const MeasureResult& result)
{
    const RecordingQuality quality = Context.Settings.Mic.Quality;
    const double width = double(samples.size());
    picture->Clear();
    {
        QPainter painter(&picture->Canvas());
        painter.setWorldTransform(PictureTransform(quality, width, picture->Canvas().size()));
        DrawReferenceLines(painter, quality, width);
        AfterTest = true;
        DrawCutBand(painter, quality, width, Context.Settings.Mic.NoiseCutLevel, true);
        DrawTestWaveform(painter, quality, samples);
    }
    picture->update();
    totalScore->setText(ScoreLine(QStringLiteral("測定値"), result.TotalPoints));
    maxScore->setText(ScoreLine(QStringLiteral("最大値"), result.MaxPoints));
    integratedScore->setText(ScoreLine(QStringLiteral("積算値"), result.IntegPoints));
    for (QLabel* score : {totalScore, maxScore, integratedScore})
        score->show();
}

void MicrophoneSettingsWindow::ReturnToIdle()
{
    SetLamp(false);
    stateText->setText(QStringLiteral("***"));
    testButton->setEnabled(true);
    registerButton->setEnabled(true);
    volumeButton->setEnabled(!Locked);
    stopButton->setEnabled(false);
}

void MicrophoneSettingsWindow::Register()
{
    RegisterSettings(QStringLiteral("確認"), QStringLiteral("登録しました。"), [this] {
        // While locked, the file keeps even values no control could show.
        if (Locked)
            Context.Settings.Mic = Stored;
        else
            Context.Settings.Mic.Quality = SelectedQuality();
        return Succeeded(Context.Messages, SaveMicSettings(Context)) && StoreCalibration();
    });
}

bool MicrophoneSettingsWindow::StoreCalibration()
{
    const LevelCalibration level = levelGroup->Calibration();
    if (!level.OffsetDb)
        return true;
    ProgramOptions options = LoadProgramOptions(Context);
    options.Level = level;
    return Succeeded(Context.Messages, SaveProgramOptions(Context, options));
}

void MicrophoneSettingsWindow::done(int result)
{
    SettingsDialog::done(result);
    // Closed without 登録: the quality and noise cut tried out in the test
    // go with the window, as every settings window's edits do.
    if (result != Accepted && !isVisible())
        Context.Settings.Mic = Stored;
}

bool MicrophoneSettingsWindow::MayClose()
{
    if (!TestRun->Testing())
        return true;
    Context.Messages.Inform(QStringLiteral("テストを停止してから終了してください！"), MessageIcon::None);
    return false;
}
