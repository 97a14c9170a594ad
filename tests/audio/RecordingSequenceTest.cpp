#include "audio/RecordingSequence.h"

#include "audio/MciCommands.h"
#include "core/RecordingFile.h"
#include "audio/MciDevice.h"
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
    RecordingSequence Sequence{Folder.Context, Commands};
};

} // namespace

TEST_F(RecordingSequenceTest, AFailedCommandEndsTheSequenceWithItsMessage)
{
    // Open fails: nothing is recorded and only the device error is shown.
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("MK1.wav"))));
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("MK1.wav"))));
    EXPECT_FALSE(Sequence.Start(QStringLiteral("MK1.wav"), 3000));
    EXPECT_EQ(Recorder.SampleCount, -1);
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.endsWith(QStringLiteral("(275)(open MK1.wav alias mysound type waveaudio)")));
}

TEST_F(RecordingSequenceTest, ALostProgramFolderIsAStepErrorAndTheDeviceIsClosed)
{
    ASSERT_TRUE(Sequence.Start(QStringLiteral("MK1.wav"), 3000));
    ASSERT_TRUE(QDir(Folder.Dir.path()).removeRecursively());
    EXPECT_FALSE(Sequence.Finish());
    EXPECT_FALSE(Sequence.CloseLeftover());
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("動作エラー！( 3)"),
                                                              QStringLiteral("グラフデータ保存フォルダが正しくありません！")}));
    EXPECT_GE(Recorder.Stops, 1) << "the device is not left recording";
}
