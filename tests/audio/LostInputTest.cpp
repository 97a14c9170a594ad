// Inputs as they come and go on the test command's sound server. One that
// goes away, at the start or during a recording: nothing is recorded from
// another input in its place, and the recording ends as the device error it
// is. One that starts late, or a default input that changes: the recording
// is whole and from the input of the click.
#include "support/SteppedAudio.h"

#include "core/MciErrorText.h"
#include "core/ProgramOptions.h"
#include "core/RecordingFile.h"
#include "support/EventWaits.h"
#include "support/AudioSteps.h"
#include "support/SoundServer.h"
#include "support/StoreFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

QByteArray Pactl(const QStringList& arguments)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    EXPECT_TRUE(pactl.waitForFinished(5000)) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(pactl.exitCode(), 0) << arguments.join(QLatin1Char(' ')).toStdString();
    return pactl.readAllStandardOutput().trimmed();
}

// The input "lostmic" of the test's own modules, so that the server's shared
// inputs stay; unplugged by unloading them.
class LostInput : public SoundServerTest {
protected:
    void SetUp() override
    {
        SoundServerTest::SetUp();
        if (IsSkipped())
            return;
        const RecordingFormat format = RecordingFormatOf(RecordingQuality::Normal);
        Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        Folder.Context.Settings.Mic.Quality = RecordingQuality::Normal;
        Folder.Context.Settings.Basic.MeasureSeconds = 2;
        Folder.Context.Contest.EntryNo = 7;
        Modules.push_back(Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=lostsink")}));
        Modules.push_back(Pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"), QStringLiteral("source_name=lostmic"),
                                 QStringLiteral("master=lostsink.monitor"), QStringLiteral("channels=1"), QStringLiteral("channel_map=mono")}));
        // A listener keeps the input's path at a low latency, so that a
        // recording from it starts at once and runs to its end in time: a
        // late start would end short and pass for a lost input.
        Listener.setStandardOutputFile(QProcess::nullDevice());
        Listener.start(QStringLiteral("parecord"), {QStringLiteral("--raw"), QStringLiteral("--latency-msec=20"), QStringLiteral("--device=lostmic")});
        Listener.waitForStarted(5000);
        // A new input is listed, and delivers sound, a while after it is made.
        QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("timeout 5 parecord --raw --latency-msec=20 "
                                                                                       "--format=u8 --rate=8000 --channels=1 --device=lostmic | head -c 4000 >/dev/null")});
    }

    void TearDown() override
    {
        Listener.kill();
        Listener.waitForFinished(2000);
        if (!IsSkipped()) {
            Unplug();
            Pactl({QStringLiteral("set-default-source"), QStringLiteral("virtmic")});
        }
    }

    void Unplug()
    {
        while (!Modules.empty()) {
            QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("unload-module"), QString::fromUtf8(Modules.back())});
            Modules.pop_back();
        }
    }

    // Steps 1 to 3 as the measurement sends them, with a tone played into
    // the input; `afterClick` runs between steps 1 and 2, `whileRecording` a
    // second into the recording. Returns step 3's report.
    AudioStep Record(const std::function<void()>& whileRecording, const QString& sink = QStringLiteral("lostsink"),
                     const std::function<void()>& afterClick = [] {})
    {
        const QString tonePath = Folder.Path(QStringLiteral("tone.wav"));
        WriteChannelTones(tonePath, 48000, 5.0, {0.5});
        Microphone.Play(tonePath, sink);
        HandleEventsFor(500);
        SteppedAudio audio(Folder.Context);
        EXPECT_TRUE(Clean(audio.RecordingStep(1)));
        afterClick();
        EXPECT_TRUE(Clean(audio.RecordingStep(2)));
        HandleEventsFor(1000);
        whileRecording();
        HandleEventsFor(2000);
        return audio.RecordingStep(3);
    }

    // What step 3 reports of a recording whose input went away, and that the
    // entrant's file holds no samples.
    void ExpectNothingRecorded(const AudioStep& finish)
    {
        ASSERT_FALSE(finish.Done);
        ASSERT_FALSE(finish.Failures.empty());
        const auto* failed = std::get_if<DeviceFailed>(&finish.Failures.front());
        ASSERT_NE(failed, nullptr);
        EXPECT_EQ(failed->Code, MciHardwareError);
        EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")).size(), RecordingHeaderSize);
    }

    StoreFolder Folder;
    VirtualMicrophone Microphone;
    QProcess Listener;
    std::vector<QByteArray> Modules;
};

} // namespace

TEST_F(LostInput, AChosenInputGoneAtTheStartRecordsNothing)
{
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QStringLiteral("lostmic"), {}}));
    Unplug();
    HandleEventsFor(500);
    SteppedAudio audio(Folder.Context);
    EXPECT_TRUE(Clean(audio.RecordingStep(1)));
    const AudioStep start = audio.RecordingStep(2);
    ASSERT_FALSE(start.Done);
    const auto* failed = std::get_if<DeviceFailed>(&start.Failures.front());
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->Code, MciWaveInputsUnsuitable);
}

// Unplugged, the same input would have recorded to the end: only the watch
// ends the run (the server moves the stream to another input).
TEST_F(LostInput, AChosenInputUnpluggedDuringTheRecordingIsADeviceError)
{
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QStringLiteral("lostmic"), {}}));
    ASSERT_TRUE(Clean(Record([] {}))) << "the input records whole while it stays";
    ExpectNothingRecorded(Record([this] { Unplug(); }));
}

TEST_F(LostInput, TheDefaultInputUnpluggedDuringTheRecordingIsADeviceError)
{
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QString(), {}}));
    Pactl({QStringLiteral("set-default-source"), QStringLiteral("lostmic")});
    HandleEventsFor(500);
    ExpectNothingRecorded(Record([this] { Unplug(); }));
}

// The watch does not take another input's coming and going for its own.
TEST_F(LostInput, AnInputThatStaysRecordsWhole)
{
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QStringLiteral("monomic"), {}}));
    EXPECT_TRUE(Clean(Record([this] { Unplug(); }, QStringLiteral("monosink"))));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")).size(), RecordingHeaderSize + 2 * 8000);
}

// An idle null sink at 44.1 kHz wakes for a recording of its monitor only
// a second or two later, as a headset setting up its link does.
TEST_F(LostInput, AnInputThatStartsSlowlyIsRecordedForTheWholeMeasurementTime)
{
    Modules.push_back(Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=slowsink"),
                             QStringLiteral("rate=44100")}));
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QStringLiteral("slowsink.monitor"), {}}));
    SteppedAudio audio(Folder.Context);
    ASSERT_TRUE(Clean(audio.RecordingStep(1)));
    ASSERT_TRUE(Clean(audio.RecordingStep(2)));
    HandleEventsFor(3000);
    EXPECT_TRUE(Clean(audio.RecordingStep(3)));
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0007.wav")).size(), RecordingHeaderSize + 2 * 8000);
}

TEST_F(LostInput, TheDefaultInputAtTheClickIsRecordedFromWhateverBecomesTheDefault)
{
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QString(), {}}));
    const auto defaultTo = [](const char* name) { return [name] { Pactl({QStringLiteral("set-default-source"), QLatin1String(name)}); }; };
    EXPECT_TRUE(Clean(Record(defaultTo("monosink.monitor"), QStringLiteral("micsink"), defaultTo("monomic"))));
    const QByteArray samples = Folder.Read(QStringLiteral("xx0007.wav")).mid(RecordingHeaderSize);
    EXPECT_NEAR(20 * std::log10(RecordingRms(samples, 8) / (0.5 * 32767.0 / std::sqrt(2.0))), 0.0, 0.5) << "the tone of the first input";
}
