// The microphone window with recorders that hand out a known recording at
// once: the test's run from the button to the scores, its cancel and its
// refusal of a recording of the wrong size.
#include "SettingsWindowTest.h"

#include "core/LoudnessAnalysis.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/MicTest.h"
#include "settings/MicrophoneTestRun.h"
#include "settings/SampleWidgets.h"
#include "support/FakeClock.h"
#include "support/FakeRecorder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

class MicWindow : public SettingsWindowTest {
protected:
    void SetUp() override
    {
        SettingsWindowTest::SetUp();
        // A shout rising and falling over the three seconds at 8 kHz.
        for (int i = 0; i < 24000; ++i)
            Recorder.Signal.append(char(128 + std::lround(120 * std::sin(i * 0.3) * std::sin(i * M_PI / 24000))));
    }

    std::unique_ptr<MicrophoneSettingsWindow> Open()
    {
        auto window = std::make_unique<MicrophoneSettingsWindow>(Context, QString(), nullptr, std::make_unique<FakeRecorder>(Recorder),
                                                                 Clock);
        window->show();
        return window;
    }

    static MicrophoneTestRun& TestRun(MicrophoneSettingsWindow& window) { return *window.findChild<MicrophoneTestRun*>(); }

    // The test's time goes by until it has ended.
    void RunTest(MicrophoneSettingsWindow& window)
    {
        Clock.RunUntil([&window] { return !TestRun(window).Testing(); });
    }

    FakeRecorder::Log Recorder;
    FakeClock Clock;
};

}

TEST_F(MicWindow, ATestRecordsThreeSecondsAndScoresThemAsAMeasurementWould)
{
    auto window = Open();
    auto* state = Child<QLabel>(*window, "stateText");
    EXPECT_EQ(state->text(), QStringLiteral("[状態]"));
    // Once the lamp has gone blue, the device's last samples are awaited
    // and the recording stopped while the state says it is being analysed.
    std::vector<std::pair<QString, QColor>> atStop;
    Child<QScrollBar>(*window, "cutLevelBar")->setValue(20);
    Child<QPushButton>(*window, "testButton")->click();
    Recorder.OnStop = [&] { atStop.emplace_back(state->text(), BackColour(Child(*window, "recordingLamp"))); };
    EXPECT_TRUE(TestRun(*window).Testing());
    EXPECT_FALSE(Child(*window, "testButton")->isEnabled() || Child(*window, "registerButton")->isEnabled() ||
                 Child(*window, "volumeButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(*window, "stopButton")->isEnabled());
    Clock.RunUntil([state] { return state->text() == QStringLiteral("[入力中]"); });
    EXPECT_EQ(BackColour(Child<QLabel>(*window, "recordingLamp")), QColor(255, 0, 0));
    EXPECT_EQ(Recorder.SampleCount, 24000) << "three seconds at 8 kHz";
    window->close();
    EXPECT_TRUE(window->isVisible()) << "a running test keeps the window open";
    RunTest(*window);

    Recorder.OnStop = nullptr;
    ASSERT_FALSE(atStop.empty());
    EXPECT_EQ(atStop.front(), std::make_pair(QStringLiteral("[解析中]"), QColor(0, 0, 255)));
    const MeasureResult expected = ScoreRecordingFile(Folder.Path(QStringLiteral("mk1.wav")), SampleWidth::Bits8, 20);
    EXPECT_GT(expected.TotalPoints.Value, 0);
    EXPECT_EQ(Child<QLabel>(*window, "totalScore")->text(), ScoreLine(QStringLiteral("測定値"), expected.TotalPoints));
    EXPECT_EQ(Child<QLabel>(*window, "maxScore")->text(), ScoreLine(QStringLiteral("最大値"), expected.MaxPoints));
    EXPECT_EQ(Child<QLabel>(*window, "integratedScore")->text(), ScoreLine(QStringLiteral("積算値"), expected.IntegPoints));
    EXPECT_FALSE(Child<QLabel>(*window, "totalScore")->isHidden());
    EXPECT_EQ(Child<QListWidget>(*window, "headerList")->count(), 14);
    EXPECT_EQ(Child<QLabel>(*window, "stateText")->text(), QStringLiteral("***"));
    EXPECT_TRUE(Child(*window, "testButton")->isEnabled() && Child(*window, "registerButton")->isEnabled() &&
                Child(*window, "volumeButton")->isEnabled());
    EXPECT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Texts()[0], QStringLiteral("テストを停止してから終了してください！"));
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MicWindow, ACancelledTestScoresNothingAndTheNextCountsFromZero)
{
    auto window = Open();
    std::vector<int> ticks;
    QObject::connect(&TestRun(*window), &MicrophoneTestRun::ticked, [&ticks](int tick) { ticks.push_back(tick); });
    Child<QPushButton>(*window, "testButton")->click();
    Clock.RunUntil([&ticks] { return ticks.size() == 5; });
    Child<QPushButton>(*window, "stopButton")->click();
    RunTest(*window);
    EXPECT_EQ(ticks.size(), 5u) << "the stop is taken at the next tick";
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("テストはキャンセルされました！")});
    EXPECT_TRUE(Child<QLabel>(*window, "totalScore")->isHidden());
    EXPECT_FALSE(Child<QPushButton>(*window, "stopButton")->isEnabled());
    EXPECT_EQ(BackColour(Child<QLabel>(*window, "recordingLamp")), QColor(0, 0, 255));
    ticks.clear();
    Child<QPushButton>(*window, "testButton")->click();
    RunTest(*window);
    ASSERT_EQ(ticks.size(), size_t(TestTicks));
    EXPECT_EQ(ticks.front(), 1);
    EXPECT_FALSE(Child<QLabel>(*window, "totalScore")->isHidden());
}

TEST_F(MicWindow, TheLastSamplesAreAwaitedWhileTheDeviceRecordsButNoLongerThanTwoSeconds)
{
    auto window = Open();
    for (const qint64 deviceEnds : {300, 5000}) {
        qint64 ticksEnded = -1;
        const QMetaObject::Connection atLastTick =
            QObject::connect(&TestRun(*window), &MicrophoneTestRun::inputEnded, [this, &ticksEnded, deviceEnds] {
                ticksEnded = Clock.Now;
                Clock.At(Clock.Now + deviceEnds, [this] { Recorder.Recording = false; });
            });
        Child<QPushButton>(*window, "testButton")->click();
        Recorder.Recording = true;
        qint64 stoppedAt = -1;
        Recorder.OnStop = [this, &stoppedAt] { stoppedAt = Clock.Now; };
        RunTest(*window);
        QObject::disconnect(atLastTick);
        // Then the pauses before the stop command, on the test's clock too.
        EXPECT_NEAR(double(stoppedAt - ticksEnded), double(std::min<qint64>(deviceEnds, 2000)), 20.0) << deviceEnds;
        EXPECT_FALSE(Child<QLabel>(*window, "totalScore")->isHidden());
        Recorder.Recording = false;
    }
}

TEST_F(MicWindow, ATestCutShortByTheProgramsEndScoresNothingAndClosesTheDevice)
{
    auto window = Open();
    Child<QPushButton>(*window, "testButton")->click();
    Recorder.Recording = true;
    Clock.At(Clock.Now + 100, [this] { Context.EndProgram(); });
    RunTest(*window);
    EXPECT_TRUE(Child<QLabel>(*window, "totalScore")->isHidden());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    EXPECT_GE(Recorder.Stops, 1) << "the device is not left recording";
}

TEST_F(MicWindow, ARecordingOfTheWrongSizeIsReadOutButNotScored)
{
    // A recording a little short of three seconds at 8 kHz.
    Recorder.DeliverAtMost = 23990;
    auto window = Open();
    Child<QPushButton>(*window, "testButton")->click();
    RunTest(*window);
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text, QStringLiteral("データが不一致です！"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("録音データファイルの不正"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(Child<QListWidget>(*window, "headerList")->count(), 14);
    EXPECT_EQ(Child<QListWidget>(*window, "headerList")->item(13)->text(), QStringLiteral("DATA SIZE  : B65D00"));
    EXPECT_TRUE(Child<QLabel>(*window, "totalScore")->isHidden());
    EXPECT_TRUE(Child(*window, "testButton")->isEnabled() && Child(*window, "registerButton")->isEnabled());
}

TEST_F(MicWindow, AQualityChangeIsAskedForAndRegisteredWithTheCutLevel)
{
    auto window = Open();
    Folder.Messages.Answer(MessageAnswer::No);
    Child<QRadioButton>(*window, "highQualityOption")->click();
    EXPECT_TRUE(Child<QRadioButton>(*window, "normalQualityOption")->isChecked());
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QRadioButton>(*window, "middleQualityOption")->click();
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("音質の変更"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    Child<QScrollBar>(*window, "cutLevelBar")->setValue(35);
    EXPECT_EQ(Child<QLabel>(*window, "cutLevelText")->text(), QStringLiteral("35%以下をカット"));
    Folder.Messages.Messages.clear();
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QPushButton>(*window, "registerButton")->click();
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOUB.REC")), FileOf(MicSettings{35, RecordingQuality::Middle}));
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed());
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("確認"));
}

TEST_F(MicWindow, ClosingWithoutRegisteringLeavesTheSettingsAsStored)
{
    auto window = Open();
    const int16_t stored = Folder.Context.Settings.Mic.NoiseCutLevel;
    Child<QScrollBar>(*window, "cutLevelBar")->setValue(stored + 25);
    window->close();
    EXPECT_EQ(Folder.Context.Settings.Mic.NoiseCutLevel, stored) << "a measurement after it cuts as stored";
}

TEST_F(MicWindow, TheCutBandIsDrawnAcrossThePictureAtItsHeight)
{
    auto window = Open();
    const QImage& picture = Child<PictureBox>(*window, "picture")->Canvas();
    const auto greenRows = [&picture] {
        std::vector<int> rows;
        for (int y = 0; y < picture.height(); ++y) {
            if (picture.pixelColor(picture.width() / 2, y) == QColor(0, 128, 0) &&
                picture.pixelColor(picture.width() - 3, y) == QColor(0, 128, 0))
                rows.push_back(y);
        }
        return rows;
    };
    Child<QScrollBar>(*window, "cutLevelBar")->setValue(50);
    const std::vector<int> half = greenRows();
    ASSERT_GE(half.size(), 2u);
    Child<QScrollBar>(*window, "cutLevelBar")->setValue(100);
    const std::vector<int> full = greenRows();
    ASSERT_GE(full.size(), 2u);
    EXPECT_LT(full.front(), half.front()) << "a higher level, a wider band";
    EXPECT_GT(full.back(), half.back());
    // At 8 bit the full band spans 0 to 256 of the 266 to -10 scale.
    EXPECT_NEAR(full.front(), picture.height() * 10.0 / 276, 1.5);
    EXPECT_NEAR(full.back(), picture.height() * 266.0 / 276, 1.5);
}
