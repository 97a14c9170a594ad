// Runs with the sound server address pointing nowhere, as on a machine whose
// sound server is not running.
#include "support/SteppedAudio.h"

#include "core/RecordingFile.h"
#include "audio/AudioDevices.h"
#include "core/MciErrorText.h"
#include "support/SoundServer.h"
#include "support/AudioSteps.h"
#include "support/StoreFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(NoSoundServer, RecordingReportsTheMissingServerWithoutHanging)
{
    StoreFolder folder;
    ContestState& context = folder.Context;
    folder.Write(QStringLiteral("mksrc48.wav"), MakeRecordingHeader(48000, 16, 0));
    context.Settings.Mic.Quality = RecordingQuality::High;
    context.Settings.Basic.MeasureSeconds = 3;
    context.Contest.EntryNo = 5;
    SteppedAudio audio(context);

    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(Clean(audio.RecordingStep(1)));
    EXPECT_EQ(audio.RecordingStep(2), Failed({SoundServerUnreachable{}})) << "nothing to score, and the microphone not blamed";
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(folder.Read(QStringLiteral("xx0005.wav")), MakeRecordingHeader(48000, 16, 0));
}

TEST(NoSoundServer, SoundsDoNotPlayAndNothingWaitsForThem)
{
    StoreFolder folder;
    WriteTone(folder.Path(QStringLiteral("start.wav")), 22050, 1.0, 0.3);
    ContestState& context = folder.Context;
    context.Settings.Basic.SoundOn = true;
    context.Settings.Sound.SoundEnabled.fill(true);
    context.Settings.Sound.SoundFile[0] = folder.Path(QStringLiteral("start.wav"));
    SteppedAudio audio(context);

    audio.PlaySoundSlot(0);
    EXPECT_EQ(audio.Player.Mode(), MultimediaPlayer::ModeNotOpen);
    EXPECT_EQ(audio.RemainingSoundMs(), 0);
    EXPECT_EQ(audio.SoundLength(), 0);
    audio.ClosePlayer();
    EXPECT_TRUE(QuerySoundServerDefaults().SourceName.isEmpty());
}

int main(int argc, char* argv[])
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/zuvelo-no-sound-server");
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
