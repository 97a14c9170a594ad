#include "audio/RecordingSequence.h"

#include "audio/MciCommands.h"
#include "core/RecordingFile.h"
#include "audio/MciDevice.h"
#include "core/MciErrorText.h"
#include "core/StepRunner.h"
#include "support/FakeClock.h"
#include "support/AudioSteps.h"
#include "support/FakeRecorder.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class RecordingSequenceTest : public testing::Test {
protected:
    void SetUp() override { Folder.Write(QStringLiteral("MK1.wav"), MakeRecordingHeader(8000, 8, 0)); }

    StoreFolder Folder;
    FakeRecorder::Log Recorder;
    MciDevice Device{Folder.Dir.path(), std::make_unique<FakeRecorder>(Recorder)};
    MciCommands Commands{Folder.Context, Device};
    FakeClock Clock;
    StepRunner Run{Clock};
    RecordingSequence Sequence{Commands, Run};
};

} // namespace

TEST_F(RecordingSequenceTest, AFailedCommandEndsTheSequenceWithItsFailure)
{
    // Open fails: nothing is recorded and only the device error is reported.
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("MK1.wav"))));
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("MK1.wav"))));
    EXPECT_EQ(Sequence.Start(QStringLiteral("MK1.wav"), 3000),
              Failed({DeviceFailed{MciFileNotFound, QStringLiteral("open MK1.wav alias mysound type waveaudio")}}));
    EXPECT_EQ(Recorder.SampleCount, -1);
}

TEST_F(RecordingSequenceTest, ALostProgramFolderIsAStepErrorAndTheDeviceIsClosed)
{
    ASSERT_TRUE(Clean(Sequence.Start(QStringLiteral("MK1.wav"), 3000)));
    ASSERT_TRUE(QDir(Folder.Dir.path()).removeRecursively());
    EXPECT_EQ(Sequence.Finish(), Failed({FolderLost{3}}));
    EXPECT_EQ(Sequence.CloseLeftover(), Failed({RecordingFolderUnusable{}}));
    EXPECT_GE(Recorder.Stops, 1) << "the device is not left recording";
}

TEST_F(RecordingSequenceTest, AStartAbandonedInItsWaitClosesTheDeviceWithoutRecordingOrAMessage)
{
    Clock.At(0, [this] { Run.Abandon(); });
    AudioStep start;
    EXPECT_EQ(Run.Run({[this, &start] { return (start = Sequence.Start(QStringLiteral("MK1.wav"), 3000)).Done; }}),
              StepRunner::Outcome::Abandoned);
    EXPECT_EQ(Recorder.SampleCount, -1);
    EXPECT_TRUE(start.Failures.empty());
    QString mode;
    EXPECT_EQ(Commands.SendMciCommand(QStringLiteral("status mysound mode"), mode), MciInvalidDeviceName);
}
