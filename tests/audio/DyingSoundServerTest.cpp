// Runs against a sound server of its own, started before the program
// connects to it and killed in the middle of a recording, as when the
// operator's sound server crashes during a shout.
#include "support/SteppedAudio.h"

#include "core/RecordingFile.h"
#include "support/EventWaits.h"
#include "core/AtomicFile.h"
#include "support/PrivateSoundServer.h"
#include "support/SoundServer.h"
#include "core/MciErrorText.h"
#include "support/AudioSteps.h"
#include "support/StoreFolder.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<PrivateSoundServer> Server;

// The server starts before the tests run, and only then: listing the tests
// starts none.
class SoundServerEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        Server = std::make_unique<PrivateSoundServer>();
        qputenv("PULSE_SERVER", Server->Address().toUtf8());
    }
    void TearDown() override { Server.reset(); }
};

}

// Each test starts with the server up, whatever the last one left.
class DyingSoundServer : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Server->Running())
            Server->Restart();
        if (!Server->Running())
            GTEST_SKIP() << "the sound server could not be started";
    }
};

// The server dies during the recording or during the finishing wait: a
// recording cut short is reported and not kept. It comes back later than a
// client library's own retry would wait; the next run plays its sounds,
// records and stores without a restart of the program.
TEST_F(DyingSoundServer, ARunCutShortIsReportedAndAServerStartedAgainServesTheNextRun)
{
    StoreFolder folder;
    ContestState& context = folder.Context;
    ASSERT_TRUE(WriteFileAtomically(folder.Path(QStringLiteral("mksrc16.wav")), MakeRecordingHeader(16000, 16, 0)));
    context.Settings.Mic.Quality = RecordingQuality::Middle;
    context.Settings.Basic.MeasureSeconds = 1;
    WriteTone(folder.Path(QStringLiteral("start.wav")), 22050, 1.0, 0.3);
    context.Settings.Basic.SoundOn = true;
    context.Settings.Sound.SoundEnabled.fill(true);
    context.Settings.Sound.SoundFile[0] = folder.Path(QStringLiteral("start.wav"));
    SteppedAudio audio(context);
    for (const int killedAfterMs : {500, 1600}) {
        context.Contest.EntryNo = killedAfterMs;
        ASSERT_TRUE(Clean(audio.RecordingStep(1)));
        ASSERT_TRUE(Clean(audio.RecordingStep(2)));
        HandleEventsFor(killedAfterMs);
        Server->Kill();
        HandleEventsFor(5000);
        const AudioStep finished = audio.RecordingStep(3);
        if (killedAfterMs < 1000) {
            EXPECT_EQ(finished, Failed({DeviceFailed{MciHardwareError, QStringLiteral("save mysound")}}));
            EXPECT_EQ(folder.Read(RecordingFileName(killedAfterMs)), MakeRecordingHeader(16000, 16, 0))
                << "the half recording is not kept";
        }
        Server->Restart();
        ASSERT_TRUE(Server->Running());

        context.Contest.EntryNo = killedAfterMs + 1;
        audio.PlaySoundSlot(0);
        EXPECT_EQ(audio.Player.Mode(), MultimediaPlayer::ModePlaying);
        ASSERT_TRUE(Clean(audio.RecordingStep(1)));
        ASSERT_TRUE(Clean(audio.RecordingStep(2))) << "killed after " << killedAfterMs << " ms";
        HandleEventsFor(1500);
        EXPECT_TRUE(Clean(audio.RecordingStep(3)));
        EXPECT_EQ(folder.Read(RecordingFileName(killedAfterMs + 1)).size(), RecordingHeaderSize + 2 * 16000);
    }
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new SoundServerEnvironment);
    const int result = RUN_ALL_TESTS();
    Server.reset();
    std::fflush(nullptr);
    // The sound library may object to its server's death at exit.
    std::_Exit(result);
}
