#include "measure/MeasurementRunner.h"

#include "audio/RecordingSequence.h"
#include "core/ProgramOptions.h"
#include "core/RecordingFile.h"
#include "support/AudioSteps.h"
#include "support/FakeClock.h"
#include "support/FakeRecorder.h"
#include "support/TestFolder.h"

#include <QFileInfo>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A run on a contest folder with the normal-quality template, sounds off and
// a one-second measurement, on a clock the test moves; what the run reports
// is noted instead of drawn.
class MeasurementRunnerTest : public testing::Test {
protected:
    void SetUp() override
    {
        const RecordingFormat format = RecordingFormatOf(RecordingQuality::Normal);
        Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        Context.Contest.EntryNo = 1;
        Context.Settings.Basic.SoundOn = false;
        Context.Settings.Basic.MeasureSeconds = 1;
        Recorder.Signal = QByteArray(8000, '\xF0');
        Recorder.Now = [this] { return Clock.Now; };
        QObject::connect(&Runner, &MeasurementRunner::stateChanged, [this](ScreenState state) { States.push_back(state); });
        QObject::connect(&Runner, &MeasurementRunner::gaugeShown, [this](int value) { Gauge.push_back(value); });
        QObject::connect(&Runner, &MeasurementRunner::finished, [this](const MeasurementOutcome& outcome) { Ended = outcome; });
    }

    // Starts a run and moves the clock until it has finished; a measured
    // take is then taken as shown.
    MeasurementOutcome Measure(const std::function<void()>& started = {})
    {
        Ended.reset();
        Runner.start();
        if (started)
            started();
        Clock.RunUntil([this] { return Ended.has_value(); });
        Runner.resultShown();
        return Ended.value_or(MeasurementOutcome{});
    }

    // The start sound, started when the ready phase first asks; the clock
    // then counts from 0.
    void StartSoundOf(qint64 milliseconds)
    {
        Runner.SetStartSoundClock([this, milliseconds, started = false]() mutable {
            if (!started)
                Clock.Now = 0;
            started = true;
            return std::max<qint64>(milliseconds - Clock.Now, 0);
        });
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    FakeRecorder::Log Recorder;
    FakeClock Clock;
    MeasurementRunner Runner{Context, std::make_unique<FakeRecorder>(Recorder), Clock};
    std::vector<ScreenState> States;
    std::vector<int> Gauge;
    std::optional<MeasurementOutcome> Ended;
};

} // namespace

TEST_F(MeasurementRunnerTest, ARunShowsItsStatesFillsTheGaugeAndScoresTheTakeTheClickFixed)
{
    Context.Settings.Mic.NoiseCutLevel = 3;
    const QDateTime clicked = Context.Now();
    // Changed while the run goes on, which keeps what the click fixed.
    const MeasurementOutcome run = Measure([this] {
        Context.Contest.EntryNo = 9;
        Context.Settings.Mic.NoiseCutLevel = 7;
        Context.Settings.Basic.MeasureSeconds = 4;
        Context.Settings.Mic.Quality = RecordingQuality::High;
    });
    EXPECT_EQ(run.Ended, MeasurementOutcome::Kind::Measured);
    EXPECT_EQ(States, (std::vector<ScreenState>{Ready, Measuring, Waiting})) << "waiting once the result has been shown";
    ASSERT_FALSE(Gauge.empty());
    EXPECT_EQ(Gauge.front(), -1);
    EXPECT_EQ(Gauge.back(), -1) << "the gauge is reset as the recording is saved";
    EXPECT_NE(std::find(Gauge.begin(), Gauge.end(), 100), Gauge.end());
    EXPECT_EQ(QFileInfo(Folder.Path(QStringLiteral("xx0001.wav"))).size(), 46 + 8000);
    ASSERT_TRUE(run.Entrant.has_value());
    EXPECT_EQ(run.Entrant->EntryNo, 1);
    EXPECT_GT(run.Entrant->Result.TotalPoints.Value, 0);
    EXPECT_EQ(run.Entrant->Quality, RecordingQuality::Normal);
    EXPECT_EQ(run.Entrant->NoiseCutLevel, 3);
    EXPECT_EQ(run.Entrant->MeasureSeconds, 1);
    EXPECT_LE(std::abs(run.Entrant->MeasuredAt.secsTo(clicked)), 1);
    EXPECT_EQ(Context.Contest.EntryNo, 9) << "storing is the result display's";
    EXPECT_TRUE(run.Failures.empty());
}

TEST_F(MeasurementRunnerTest, ATakeCarriesItsLevelsOnlyWhileTheCalibrationHoldsForTheVolumeAtTheClick)
{
    // 1 kHz at half of full scale.
    Recorder.Signal.clear();
    for (int n = 0; n < 8000; ++n)
        Recorder.Signal.append(static_cast<char>(128 + std::lround(64 * std::sin(2 * M_PI * 1000 * n / 8000.0))));
    ProgramOptions options;
    options.Level.OffsetDb = 100;
    options.Level.Volume = 64;
    options.Level.Quality = RecordingQuality::Normal;
    ASSERT_FALSE(SaveProgramOptions(Context, options));
    for (const auto& [volume, levelled] : {std::pair{64, true}, std::pair{70, false}}) {
        Runner.SetVolumeQuery([volume](const QByteArray&) { return std::optional(volume); });
        const MeasurementOutcome run = Measure();
        ASSERT_TRUE(run.Entrant.has_value());
        ASSERT_EQ(run.Entrant->Level.has_value(), levelled) << volume << "%";
        if (levelled) {
            EXPECT_NEAR(run.Entrant->Level->LAeq, 100 - 6.0, 0.2);
        }
    }
}

TEST_F(MeasurementRunnerTest, TheStartWaitShiftsTheRecordingAgainstTheStartSound)
{
    // 1.5 s of start sound.
    const std::vector<std::pair<int, qint64>> cases = {{0, 1500}, {5, 2000}, {-5, 1000}, {-20, 0}};
    for (const auto& [startWait, expectedStart] : cases) {
        Context.Settings.Basic.StartWaitTenths = static_cast<int16_t>(startWait);
        StartSoundOf(1500);
        Measure();
        EXPECT_NEAR(double(Recorder.StartedAt), double(expectedStart), 10.0) << "start wait " << startWait;
    }
}

TEST_F(MeasurementRunnerTest, AStartSoundThatNeverEndsHoldsTheRunOnlyBriefly)
{
    // A frozen sound server: the start sound reports time left forever.
    Runner.SetStartSoundClock([] { return qint64(60000); });
    EXPECT_EQ(Measure().Ended, MeasurementOutcome::Kind::Measured);
    EXPECT_GE(Recorder.StartedAt, MeasurementRunner::StartSoundMarginMs);
    EXPECT_LT(Recorder.StartedAt, MeasurementRunner::StartSoundMarginMs + 200);
}

TEST_F(MeasurementRunnerTest, AnAbandonedRunStopsAtOnceAndScoresNothing)
{
    Context.Settings.Basic.MeasureSeconds = 5;
    // Abandoned while waiting for the start sound, while recording, and in
    // the finishing second.
    for (const qint64 abandonAt : {300, 2500, 6200}) {
        StartSoundOf(1000);
        States.clear();
        Clock.At(abandonAt, [this] { Runner.abandon(); });
        const MeasurementOutcome run = Measure();
        EXPECT_EQ(run.Ended, MeasurementOutcome::Kind::Abandoned) << abandonAt;
        EXPECT_EQ(Clock.Now, abandonAt) << "the run stops at once";
        EXPECT_EQ(States.size(), abandonAt < 1000 ? 1u : 2u) << "nothing is shown after the abandonment";
        EXPECT_EQ(QFileInfo(Folder.Path(QStringLiteral("xx0001.wav"))).size(), 46) << "the recording is not saved";
        EXPECT_FALSE(run.Entrant.has_value());
        EXPECT_TRUE(run.Failures.empty());
    }
    EXPECT_GE(Recorder.Stops, 1) << "the device is stopped";

    // The next run measures again.
    Runner.SetStartSoundClock([] { return qint64(0); });
    Context.Settings.Basic.MeasureSeconds = 1;
    EXPECT_TRUE(Measure().Entrant.has_value());
}

TEST_F(MeasurementRunnerTest, AFailedRecordingEndsTheRunWithTheDeviceFailureAndScoresNothing)
{
    Recorder.Accepts = false;
    const MeasurementOutcome run = Measure();
    EXPECT_EQ(run.Ended, MeasurementOutcome::Kind::DeviceFailed);
    EXPECT_EQ(run.Failures, (AudioFailures{DeviceFailed{MciWaveInputsUnsuitable, QStringLiteral("record mysound from 0 to 1000 overwrite")}}));
    EXPECT_FALSE(run.Entrant.has_value());
    EXPECT_EQ(States, (std::vector<ScreenState>{Ready, Measuring, Waiting}));
}

// The shout is timed by the gauge, so the gauge and the recording both run
// from the input's first sample, however late it comes within the wait.
TEST_F(MeasurementRunnerTest, TheMeasurementTimeCountsFromTheFirstSampleWithinABoundedWait)
{
    std::vector<qint64> stops;
    Recorder.OnStop = [this, &stops] { stops.push_back(Clock.Now - Recorder.StartedAt); };
    Recorder.FirstSampleAfter = 2500;
    EXPECT_EQ(Measure().Ended, MeasurementOutcome::Kind::Measured);
    ASSERT_FALSE(stops.empty());
    EXPECT_GE(stops.front(), 2500 + 1000 + 1000) << "the measurement time and the finishing second after the first sample";
    EXPECT_EQ(QFileInfo(Folder.Path(QStringLiteral("xx0001.wav"))).size(), 46 + 8000);

    Recorder.FirstSampleAfter = 60000;
    const MeasurementOutcome late = Measure();
    EXPECT_EQ(late.Ended, MeasurementOutcome::Kind::DeviceFailed);
    EXPECT_NEAR(double(Clock.Now - Recorder.StartedAt), double(RecordingSequence::FirstSampleWaitMs), 50.0);
    EXPECT_EQ(late.Failures, (AudioFailures{DeviceFailed{MciHardwareError, QStringLiteral("record mysound from 0 to 1000 overwrite")}}));
}
