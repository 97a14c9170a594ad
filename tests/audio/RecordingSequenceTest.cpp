#include "audio/RecordingSequence.h"

#include "audio/MciCommands.h"
#include "core/RecordingFile.h"
#include "audio/MciDevice.h"
#include "core/MciErrorText.h"
#include "core/PacedRun.h"
#include "support/FakeClock.h"
#include "support/AudioSteps.h"
#include "support/FakeRecorder.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class RecordingSequenceTest : public testing::Test {
protected:
    void SetUp() override
    {
        Folder.Write(QStringLiteral("MK1.wav"), MakeRecordingHeader(8000, 8, 0));
        Recorder.Now = [this] { return Clock.Now; };
        QObject::connect(&Run, &PacedRun::ended, [this](PacedRun::Outcome outcome) { Ended = outcome; });
    }

    // Takes the steps a sequence made for `report` as a run does, on the
    // test's clock.
    AudioStep Taken(const std::function<std::vector<PacedStep>(AudioStep&)>& sequence)
    {
        AudioStep report;
        Ended.reset();
        Run.Start(sequence(report));
        Clock.RunUntil([this] { return Ended.has_value(); });
        return report;
    }

    StoreFolder Folder;
    FakeRecorder::Log Recorder;
    MciDevice Device{Folder.Dir.path(), std::make_unique<FakeRecorder>(Recorder)};
    MciCommands Commands{Folder.Context, Device};
    FakeClock Clock;
    PacedRun Run{Clock};
    std::optional<PacedRun::Outcome> Ended;
    RecordingSequence Sequence{Commands, Clock};
};

} // namespace

TEST_F(RecordingSequenceTest, AFailedCommandEndsTheSequenceWithItsFailure)
{
    // Open fails: nothing is recorded and only the device error is reported.
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("MK1.wav"))));
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("MK1.wav"))));
    EXPECT_EQ(Taken([this](AudioStep& report) { return Sequence.Start(QStringLiteral("MK1.wav"), 3000, report); }),
              Failed({DeviceFailed{MciFileNotFound, QStringLiteral("open MK1.wav alias mysound type waveaudio")}}));
    EXPECT_EQ(Recorder.SampleCount, -1);
}

TEST_F(RecordingSequenceTest, ALostProgramFolderIsAStepErrorAndTheDeviceIsClosed)
{
    ASSERT_TRUE(Clean(Taken([this](AudioStep& report) { return Sequence.Start(QStringLiteral("MK1.wav"), 3000, report); })));
    ASSERT_TRUE(QDir(Folder.Dir.path()).removeRecursively());
    EXPECT_EQ(Taken([this](AudioStep& report) { return Sequence.Finish(report); }), Failed({FolderLost{3}}));
    EXPECT_EQ(Ended, PacedRun::Outcome::Failed);
    EXPECT_EQ(Taken([this](AudioStep& report) { return Sequence.CloseLeftover(report); }), Failed({RecordingFolderUnusable{}}));
    EXPECT_GE(Recorder.Stops, 1) << "the device is not left recording";
}

// Each command has a pause of 1 ms before and after it, and the start one
// more between open and record: all timers of the run, which an abandonment
// stops before the next command.
TEST_F(RecordingSequenceTest, ThePausesAroundTheCommandsAreTheRunsAndAnAbandonmentSendsNoMore)
{
    AudioStep report;
    Run.Start(Sequence.Start(QStringLiteral("MK1.wav"), 3000, report));
    Clock.At(5, [this] { Run.Abandon(); });
    Clock.RunUntil();
    EXPECT_EQ(Recorder.SampleCount, -1) << "abandoned after the open, before the record";
    EXPECT_FALSE(report.Done);

    Sequence.Abandon();
    const qint64 started = Clock.Now;
    EXPECT_TRUE(Clean(Taken([this](AudioStep& report) { return Sequence.Start(QStringLiteral("MK1.wav"), 3000, report); })));
    EXPECT_EQ(Recorder.StartedAt - started, 4 * WaitOf(1));
}
