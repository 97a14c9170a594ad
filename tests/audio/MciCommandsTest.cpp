#include "audio/MciCommands.h"
#include "audio/MeasurementAudio.h"
#include "core/StepRunner.h"

#include "core/RecordingFile.h"
#include "core/Waits.h"
#include "audio/MciErrorText.h"
#include "core/AtomicFile.h"
#include "support/FakeRecorder.h"
#include "support/SmallFileSystem.h"
#include "support/TestFolder.h"

#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString MicrophoneHint = QStringLiteral("マイクが接続されていない（または、マイクが機能していない)可能性があります。");

class AudioCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int quality = 0; quality <= 2; ++quality) {
            const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
            Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        }
        Folder.Context.Contest.EntryNo = 7;
        Folder.Context.Settings.Basic.MeasureSeconds = 3;
        Commands.SetRecordingFile(Folder.Path(QStringLiteral("xx0007.wav")));
    }

    QString ErrorText(int32_t code) const { return *MciErrorText(code); }

    TestFolder Folder;
    FakeRecorder::Log Recorder;
    StepRunner Run;
    MeasurementAudio Audio{Folder.Context, Run, std::make_unique<FakeRecorder>(Recorder)};
    MciDevice Device{Folder.Dir.path(), std::make_unique<FakeRecorder>(Recorder)};
    MciCommands Commands{Folder.Context, Device};
    QSignalSpy GaugeResets{&Audio, &MeasurementAudio::gaugeResetDue};
};

} // namespace

TEST_F(AudioCommandsTest, AnEmptyCommandIsRefusedWithoutSending)
{
    QString reply;
    EXPECT_EQ(Commands.SendMciCommand(QString(), reply), -1);
    EXPECT_EQ(reply, QStringLiteral("コマンド文字列が指定されていません"));
    QString notOpen;
    EXPECT_EQ(Commands.SendMciCommand(QStringLiteral("close mysound"), notOpen), MciInvalidDeviceName);
    EXPECT_EQ(notOpen, ErrorText(MciInvalidDeviceName));
}

TEST_F(AudioCommandsTest, ClosingADeviceThatIsNotOpenPassesSilently)
{
    EXPECT_TRUE(Commands.RunMciCommand(QStringLiteral("close mysound")));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(AudioCommandsTest, ErrorsAreShownWithCodeAndCommand)
{
    const QString command = QStringLiteral("open xx0099.wav alias mysound type waveaudio");
    EXPECT_TRUE(Commands.RunMciCommand(command));
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    const ScriptedMessageBox::Shown& shown = Folder.Messages.Messages[0];
    EXPECT_EQ(shown.Text, ErrorText(MciFileNotFound) + QStringLiteral(" (275)(") + command + QStringLiteral(")"));
    EXPECT_EQ(shown.Title, QStringLiteral("Error"));
    EXPECT_EQ(shown.Icon, MessageIcon::Error);
    EXPECT_EQ(shown.Buttons, MessageButtons::Ok);
}

TEST_F(AudioCommandsTest, AnInvalidFileIsRepairedFromTheRepairTemplate)
{
    Folder.Write(QStringLiteral("xx0007.wav"), QByteArray("garbage that is no sound file"));
    const QString command = QStringLiteral("open xx0007.wav alias mysound type waveaudio");
    Commands.RunMciCommand(command);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{ErrorText(MciInvalidFile) + QStringLiteral(" (296)(") + command + QStringLiteral(")")});
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")), MakeRecordingHeader(8000, 8, 0));
    // The next attempt finds a valid file.
    EXPECT_TRUE(Commands.RunMciCommand(command));
    EXPECT_EQ(Folder.Messages.Messages.size(), 1u);
}

TEST_F(AudioCommandsTest, AFailedRepairAsksForARestart)
{
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("xx0007.wav"))));
    Commands.RepairRecordingFile(Folder.Path(QStringLiteral("xx0007.wav")));
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text, QStringLiteral("音声ファイルエラー!\n再起動してください！"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
}

TEST_F(AudioCommandsTest, NoMicrophoneAddsTheHint)
{
    Recorder.Accepts = false;
    Commands.RunMciCommand(QStringLiteral("open mksrc.wav alias mysound type waveaudio"));
    const QString command = QStringLiteral("record mysound from 0 to 3000 overwrite");
    Commands.RunMciCommand(command);
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{ErrorText(MciWaveInputsUnsuitable) + QStringLiteral(" (328)(") + command + QStringLiteral(")\n") + MicrophoneHint});
}

TEST_F(AudioCommandsTest, TheRecordingStepsRecordTheEntrantsFile)
{
    Folder.Context.Contest.EntryNo = 12;
    Folder.Context.Settings.Mic.Quality = RecordingQuality::Middle;
    Folder.Context.Settings.Basic.MeasureSeconds = 30;
    Recorder.Signal = QByteArray("\x7F\x00\x80\xFF", 4);
    // A file left from an earlier run is kept aside, then replaced.
    Folder.Write(QStringLiteral("XX0012.WAV"), QByteArray(100, 'x'));
    Folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 20, 5)); };

    const QString workingFolder = QDir::currentPath();
    ASSERT_TRUE(Audio.RecordingStep(1));
    EXPECT_EQ(Folder.Read(QStringLiteral("XX0012.WAV")), MakeRecordingHeader(16000, 16, 0));
    EXPECT_EQ(Folder.Read(QStringLiteral("XX0012_20261207-142005.WAV")), QByteArray(100, 'x'));
    ASSERT_TRUE(Audio.RecordingStep(2));
    EXPECT_EQ(Recorder.SampleCount, 16000 * 30);
    ASSERT_TRUE(Audio.RecordingStep(3));

    const QByteArray file = Folder.Read(QStringLiteral("XX0012.WAV"));
    ASSERT_EQ(file.size(), 46 + 2 * 16000 * 30);
    EXPECT_EQ(file.left(46), MakeRecordingHeader(16000, 16, 2 * 16000 * 30));
    EXPECT_EQ(file.mid(46, 4), Recorder.Signal);
    EXPECT_EQ(GaugeResets.count(), 2);
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    EXPECT_EQ(QDir::currentPath(), workingFolder);
    // Step 3 closed the device.
    EXPECT_TRUE(Commands.RunMciCommand(QStringLiteral("close mysound")));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(AudioCommandsTest, AnAbortedRunClosesTheDeviceAndKeepsTheTemplate)
{
    ASSERT_TRUE(Audio.RecordingStep(1));
    ASSERT_TRUE(Audio.RecordingStep(2));
    Audio.AbortRecording();
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")), MakeRecordingHeader(8000, 8, 0));
    // The next run opens the device anew without complaint.
    ASSERT_TRUE(Audio.RecordingStep(1));
    ASSERT_TRUE(Audio.RecordingStep(2));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(AudioCommandsTest, AFailedOpenEndsTheRunWithItsOnlyMessage)
{
    Folder.Context.Settings.Mic.Quality = RecordingQuality::High;
    ASSERT_TRUE(Audio.RecordingStep(1));
    // The file turns into a folder between the steps: open fails and nothing
    // is recorded.
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("xx0007.wav"))));
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("xx0007.wav"))));
    EXPECT_FALSE(Audio.RecordingStep(2));
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.endsWith(QStringLiteral("(275)(open xx0007.wav alias mysound type waveaudio)")));
    EXPECT_EQ(Recorder.SampleCount, -1);
}

TEST_F(AudioCommandsTest, StepOneFailsOnAMissingTemplateOrAnUnwritableFile)
{
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("mksrc.wav"))));
    EXPECT_FALSE(Audio.RecordingStep(1));
    Folder.Context.Settings.Mic.Quality = RecordingQuality::Middle;
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("xx0007.wav"))));
    EXPECT_FALSE(Audio.RecordingStep(1));
    const QString message = QStringLiteral("グラフデータ保存フォルダが正しくありません！");
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{message, message}));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
}

TEST_F(AudioCommandsTest, EveryTakeOfTheSameEntrantIsKeptAside)
{
    Folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)); };
    const auto take = [](char sample) { return MakeRecordingHeader(8000, 8, 1) + sample; };
    for (char sample : {'0', '1', '2'}) {
        Folder.Write(QStringLiteral("xx0007.wav"), take(sample));
        ASSERT_TRUE(Audio.RecordingStep(1));
        Audio.AbortRecording();
    }
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007_20261207-090000.wav")), take('0'));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007_20261207-090000-1.wav")), take('1'));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007_20261207-090000-2.wav")), take('2'));
}

TEST_F(AudioCommandsTest, ATakeAbandonedBeforeAnySampleIsReplacedNotKeptAside)
{
    for (int take = 0; take < 2; ++take) {
        ASSERT_TRUE(Audio.RecordingStep(1));
        Audio.AbortRecording();
    }
    EXPECT_EQ(QDir(Folder.Dir.path()).entryList({QStringLiteral("xx0007*")}), QStringList{QStringLiteral("xx0007.wav")});
}

TEST_F(AudioCommandsTest, ATemplateThatIsNoTemplateOfTheQualityIsNeverRecordedInto)
{
    const QByteArray random = QByteArray::fromHex("52494646deadbeef57415645") + QByteArray(488, '\x5a');
    const std::vector<std::pair<int, QByteArray>> wrong = {
        {0, random}, {0, MakeRecordingHeader(16000, 16, 0)}, {2, MakeRecordingHeader(48000, 16, 10)}, {1, QByteArray()}};
    for (const auto& [quality, bytes] : wrong) {
        Folder.Context.Settings.Mic.Quality = static_cast<RecordingQuality>(quality);
        Folder.Write(QLatin1String(RecordingFormatOf(static_cast<RecordingQuality>(quality)).TemplateName), bytes);
        EXPECT_FALSE(Audio.RecordingStep(1)) << quality;
        EXPECT_FALSE(Folder.Exists(QStringLiteral("xx0007.wav")));
    }
    ASSERT_EQ(Folder.Messages.Messages.size(), 4u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.contains(QStringLiteral("mksrc.wav")));
}

TEST_F(AudioCommandsTest, ARecordingTheDeviceEndedEarlyIsReportedAndNotSaved)
{
    Folder.Context.Settings.Basic.MeasureSeconds = 1;
    Recorder.DeliverAtMost = 4000;
    ASSERT_TRUE(Audio.RecordingStep(1));
    ASSERT_TRUE(Audio.RecordingStep(2));
    WaitMilliseconds(1000 + MciDevice::LateSamplesMs + 100);
    EXPECT_FALSE(Audio.RecordingStep(3));
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.endsWith(QStringLiteral("(262)(save mysound)")));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")), MakeRecordingHeader(8000, 8, 0)) << "the half recording is not saved";
}

TEST(FullDisk, ARecordingOrTemplateThatDoesNotFitIsReportedAndNeverScored)
{
    SmallFileSystem disk(128);
    SKIP_WITHOUT(disk);
    ScriptedMessageBox messages;
    ContestState context(disk.Path(), messages);
    ASSERT_TRUE(WriteFileAtomically(context.Folder.FilePath(QStringLiteral("mksrc.wav")), MakeRecordingHeader(8000, 8, 0)));
    context.Contest.EntryNo = 1;
    context.Settings.Basic.MeasureSeconds = 1;
    FakeRecorder::Log recorder;
    StepRunner run;
    MeasurementAudio audio(context, run, std::make_unique<FakeRecorder>(recorder));
    ASSERT_TRUE(audio.RecordingStep(1));
    ASSERT_TRUE(audio.RecordingStep(2));

    disk.FillLeaving(4096);
    EXPECT_FALSE(audio.RecordingStep(3));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Text.endsWith(QStringLiteral("(286)(save mysound)")));
    QFile recording(context.Folder.FilePath(QStringLiteral("xx0001.wav")));
    EXPECT_EQ(recording.size(), 46) << "the template stays; no half recording";

    disk.FillLeaving(0);
    context.Contest.EntryNo = 2;
    EXPECT_FALSE(audio.RecordingStep(1));
    EXPECT_EQ(messages.Texts().back(), QStringLiteral("グラフデータ保存フォルダが正しくありません！"));
    EXPECT_FALSE(QFile::exists(context.Folder.FilePath(QStringLiteral("xx0002.wav"))));
}

TEST_F(AudioCommandsTest, StepTwoFailsWhenTheProgramFolderIsGone)
{
    ASSERT_TRUE(Audio.RecordingStep(1));
    ASSERT_TRUE(QDir(Folder.Dir.path()).removeRecursively());
    EXPECT_FALSE(Audio.RecordingStep(2));
    EXPECT_FALSE(Audio.RecordingStep(3));
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("動作エラー！( 2)"), QStringLiteral("動作エラー！( 3)")}));
}

TEST_F(AudioCommandsTest, SoundSlotsPlayOnlyWhenOnAndNeverFailOnABadFile)
{
    SettingsRecord& settings = Folder.Context.Settings;
    settings.Sound.SoundFile.fill(Folder.Path(QStringLiteral("broken.wav")));
    settings.Sound.SoundEnabled.fill(true);
    Folder.Write(QStringLiteral("broken.wav"), QByteArray("RIFF....WAVEjunk"));

    settings.Basic.SoundOn = true;
    Audio.PlaySoundSlot(0);
    EXPECT_EQ(Audio.Player.Mode(), MultimediaPlayer::ModeNotOpen);
    EXPECT_EQ(Audio.SoundLength(), 0);
    EXPECT_EQ(Audio.RemainingSoundMs(), 0);

    settings.Sound.SoundFile[1] = Folder.Path(QStringLiteral("mksrc.wav"));
    settings.Basic.SoundOn = false;
    Audio.PlaySoundSlot(1);
    settings.Basic.SoundOn = true;
    settings.Sound.SoundEnabled[1] = false;
    Audio.PlaySoundSlot(1);
    EXPECT_TRUE(Audio.Player.FileName.endsWith(QStringLiteral("broken.wav"))) << "a slot that is off is not even named";
    Audio.ClosePlayer();
    EXPECT_EQ(Audio.Player.Mode(), MultimediaPlayer::ModeNotOpen);
}
