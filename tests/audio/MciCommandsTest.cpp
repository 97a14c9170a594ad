#include "audio/MciCommands.h"
#include "support/SteppedAudio.h"

#include "core/RecordingFile.h"
#include "support/EventWaits.h"
#include "core/MciErrorText.h"
#include "core/AtomicFile.h"
#include "support/AudioSteps.h"
#include "support/FakeRecorder.h"
#include "support/SmallFileSystem.h"
#include "support/StoreFolder.h"

#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

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

    StoreFolder Folder;
    FakeRecorder::Log Recorder;
    SteppedAudio Audio{Folder.Context, std::make_unique<FakeRecorder>(Recorder)};
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
    EXPECT_EQ(notOpen, *MciErrorText(MciInvalidDeviceName));
}

// Only closing is harmless on a device that is not open: a recording or a
// save there did nothing, and must not pass for done.
TEST_F(AudioCommandsTest, OnADeviceThatIsNotOpenOnlyClosingPassesSilently)
{
    for (const char* text : {"close mysound", "CLOSE mysound", "record mysound from 0 to 3000 overwrite", "stop mysound", "save mysound"}) {
        const QString command = QLatin1String(text);
        const bool closing = command.startsWith(QLatin1String("close"), Qt::CaseInsensitive);
        const MciRun run = Commands.RunMciCommand(command);
        EXPECT_TRUE(run.Sent);
        EXPECT_EQ(run.Status, closing ? MciSuccess : MciInvalidDeviceName) << text;
        const AudioFailures expected = closing ? AudioFailures{} : AudioFailures{DeviceFailed{MciInvalidDeviceName, command}};
        EXPECT_EQ(run.Failures, expected) << text;
    }
}

TEST_F(AudioCommandsTest, ErrorsAreReportedWithCodeAndCommand)
{
    const QString command = QStringLiteral("open xx0099.wav alias mysound type waveaudio");
    const MciRun run = Commands.RunMciCommand(command);
    EXPECT_TRUE(run.Sent);
    EXPECT_EQ(run.Status, MciFileNotFound);
    EXPECT_EQ(run.Failures, (AudioFailures{DeviceFailed{MciFileNotFound, command}}));
}

TEST_F(AudioCommandsTest, AnInvalidFileIsRepairedFromTheRepairTemplate)
{
    Folder.Write(QStringLiteral("xx0007.wav"), QByteArray("garbage that is no sound file"));
    const QString command = QStringLiteral("open xx0007.wav alias mysound type waveaudio");
    EXPECT_EQ(Commands.RunMciCommand(command).Failures, (AudioFailures{DeviceFailed{MciInvalidFile, command}}));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")), MakeRecordingHeader(8000, 8, 0));
    // The next attempt finds a valid file.
    const MciRun next = Commands.RunMciCommand(command);
    EXPECT_EQ(next.Status, MciSuccess);
    EXPECT_TRUE(next.Failures.empty());
}

TEST_F(AudioCommandsTest, AFailedRepairIsReportedBeforeTheDeviceError)
{
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("xx0007.wav"))));
    EXPECT_FALSE(Commands.RepairRecordingFile(Folder.Path(QStringLiteral("xx0007.wav"))));
    QFile::remove(Folder.Path(QStringLiteral("mksrc.wav")));
    Folder.Write(QStringLiteral("xx0008.wav"), QByteArray("no sound file"));
    Commands.SetRecordingFile(Folder.Path(QStringLiteral("xx0008.wav")));
    const QString command = QStringLiteral("open xx0008.wav alias mysound type waveaudio");
    EXPECT_EQ(Commands.RunMciCommand(command).Failures,
              (AudioFailures{RecordingNotRepaired{}, DeviceFailed{MciInvalidFile, command}}));
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
    ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
    EXPECT_EQ(Folder.Read(QStringLiteral("XX0012.WAV")), MakeRecordingHeader(16000, 16, 0));
    EXPECT_EQ(Folder.Read(QStringLiteral("XX0012_20261207-142005.WAV")), QByteArray(100, 'x'));
    ASSERT_TRUE(Clean(Audio.RecordingStep(2)));
    EXPECT_EQ(Recorder.SampleCount, 16000 * 30);
    ASSERT_TRUE(Clean(Audio.RecordingStep(3)));

    const QByteArray file = Folder.Read(QStringLiteral("XX0012.WAV"));
    ASSERT_EQ(file.size(), 46 + 2 * 16000 * 30);
    EXPECT_EQ(file.left(46), MakeRecordingHeader(16000, 16, 2 * 16000 * 30));
    EXPECT_EQ(file.mid(46, 4), Recorder.Signal);
    EXPECT_EQ(GaugeResets.count(), 2);
    EXPECT_EQ(QDir::currentPath(), workingFolder);
    // Step 3 closed the device.
    EXPECT_TRUE(Commands.RunMciCommand(QStringLiteral("close mysound")).Failures.empty());
}

TEST_F(AudioCommandsTest, AnAbortedRunClosesTheDeviceAndKeepsTheTemplate)
{
    ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
    ASSERT_TRUE(Clean(Audio.RecordingStep(2)));
    Audio.AbortRecording();
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")), MakeRecordingHeader(8000, 8, 0));
    // The next run opens the device anew without complaint.
    ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
    ASSERT_TRUE(Clean(Audio.RecordingStep(2)));
}

TEST_F(AudioCommandsTest, AFailedOpenEndsTheRunWithItsOnlyFailure)
{
    Folder.Context.Settings.Mic.Quality = RecordingQuality::High;
    ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
    // The file turns into a folder between the steps: open fails and nothing
    // is recorded.
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("xx0007.wav"))));
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("xx0007.wav"))));
    EXPECT_EQ(Audio.RecordingStep(2), Failed({DeviceFailed{MciFileNotFound, QStringLiteral("open xx0007.wav alias mysound type waveaudio")}}));
    EXPECT_EQ(Recorder.SampleCount, -1);
}

TEST_F(AudioCommandsTest, StepOneFailsOnAMissingTemplateOrAnUnwritableFile)
{
    ASSERT_TRUE(QFile::remove(Folder.Path(QStringLiteral("mksrc.wav"))));
    EXPECT_EQ(Audio.RecordingStep(1), Failed({RecordingFolderUnusable{}}));
    Folder.Context.Settings.Mic.Quality = RecordingQuality::Middle;
    ASSERT_TRUE(QDir().mkdir(Folder.Path(QStringLiteral("xx0007.wav"))));
    EXPECT_EQ(Audio.RecordingStep(1), Failed({RecordingFolderUnusable{}}));
}

TEST_F(AudioCommandsTest, EveryTakeOfTheSameEntrantIsKeptAside)
{
    Folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)); };
    const auto take = [](char sample) { return MakeRecordingHeader(8000, 8, 1) + sample; };
    for (char sample : {'0', '1', '2'}) {
        Folder.Write(QStringLiteral("xx0007.wav"), take(sample));
        ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
        Audio.AbortRecording();
    }
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007_20261207-090000.wav")), take('0'));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007_20261207-090000-1.wav")), take('1'));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007_20261207-090000-2.wav")), take('2'));
}

TEST_F(AudioCommandsTest, ATakeAbandonedBeforeAnySampleIsReplacedNotKeptAside)
{
    for (int take = 0; take < 2; ++take) {
        ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
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
        const QString templateName = QLatin1String(RecordingFormatOf(static_cast<RecordingQuality>(quality)).TemplateName);
        Folder.Write(templateName, bytes);
        EXPECT_EQ(Audio.RecordingStep(1), Failed({TemplateUnsuitable{templateName}})) << quality;
        EXPECT_FALSE(Folder.Exists(QStringLiteral("xx0007.wav")));
    }
}

TEST_F(AudioCommandsTest, ARecordingTheDeviceEndedEarlyIsReportedAndNotSaved)
{
    Folder.Context.Settings.Basic.MeasureSeconds = 1;
    Recorder.DeliverAtMost = 4000;
    ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
    ASSERT_TRUE(Clean(Audio.RecordingStep(2)));
    HandleEventsFor(1000 + MciDevice::LateSamplesMs + 100);
    EXPECT_EQ(Audio.RecordingStep(3), Failed({DeviceFailed{MciHardwareError, QStringLiteral("save mysound")}}));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")), MakeRecordingHeader(8000, 8, 0)) << "the half recording is not saved";
}

TEST(FullDisk, ARecordingOrTemplateThatDoesNotFitIsReportedAndNeverScored)
{
    SmallFileSystem disk(128);
    SKIP_WITHOUT(disk);
    ContestState context(disk.Path());
    ASSERT_TRUE(WriteFileAtomically(context.Folder.FilePath(QStringLiteral("mksrc.wav")), MakeRecordingHeader(8000, 8, 0)));
    context.Contest.EntryNo = 1;
    context.Settings.Basic.MeasureSeconds = 1;
    FakeRecorder::Log recorder;
    SteppedAudio audio(context, std::make_unique<FakeRecorder>(recorder));
    ASSERT_TRUE(Clean(audio.RecordingStep(1)));
    ASSERT_TRUE(Clean(audio.RecordingStep(2)));

    disk.FillLeaving(4096);
    EXPECT_EQ(audio.RecordingStep(3).Failures, (AudioFailures{DeviceFailed{MciFileNotSaved, QStringLiteral("save mysound")}}));
    QFile recording(context.Folder.FilePath(QStringLiteral("xx0001.wav")));
    EXPECT_EQ(recording.size(), 46) << "the template stays; no half recording";

    disk.FillLeaving(0);
    context.Contest.EntryNo = 2;
    EXPECT_EQ(audio.RecordingStep(1), Failed({RecordingFolderUnusable{}}));
    EXPECT_FALSE(QFile::exists(context.Folder.FilePath(QStringLiteral("xx0002.wav"))));
}

TEST_F(AudioCommandsTest, StepTwoFailsWhenTheProgramFolderIsGone)
{
    ASSERT_TRUE(Clean(Audio.RecordingStep(1)));
    ASSERT_TRUE(QDir(Folder.Dir.path()).removeRecursively());
    EXPECT_EQ(Audio.RecordingStep(2), Failed({FolderLost{2}}));
    EXPECT_EQ(Audio.RecordingStep(3), Failed({FolderLost{3}}));
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
