// Records known signals through the virtual microphone of the test sound
// server with the real command layer, at every recording quality.
#include "support/SteppedAudio.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "support/EventWaits.h"
#include "audio/AudioDevices.h"
#include "core/ProgramOptions.h"
#include "support/SoundServer.h"
#include "support/AudioSteps.h"
#include "support/StoreFolder.h"

#include <QProcess>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

SampleWidth WidthOf(int quality)
{
    return quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16;
}

// Samples of `signal` (at full scale 1) as the device stores them at the
// quality's format, padded with silence to `sampleCount`.
QByteArray AsRecorded(const std::vector<double>& signal, int quality, int64_t sampleCount)
{
    QByteArray data;
    for (int64_t i = 0; i < sampleCount; ++i) {
        const double value = i < int64_t(signal.size()) ? signal[size_t(i)] : 0.0;
        const auto word = static_cast<int16_t>(std::clamp(std::lround(value * 32767.0), -32768L, 32767L));
        if (quality == 0) {
            data.append(static_cast<char>((word >> 8) + 128));
        } else {
            data.append(static_cast<char>(word & 0xFF));
            data.append(static_cast<char>((word >> 8) & 0xFF));
        }
    }
    return data;
}

MeasureResult ScoreOf(const QByteArray& data, int quality)
{
    LoudnessTally tally(WidthOf(quality), 0);
    tally.Add(data.constData(), static_cast<size_t>(data.size()));
    return tally.Finish(data.size());
}

std::vector<double> Tone(int rate, double seconds, double amplitude)
{
    std::vector<double> samples(size_t(rate * seconds));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = amplitude * std::sin(2 * M_PI * 440.0 * double(i) / rate);
    return samples;
}

// Points agree within a few points or a few percent: the server resamples.
void ExpectPointsNear(int64_t recorded, int64_t expected, const char* what)
{
    EXPECT_NEAR(double(recorded), double(expected), std::max(3.0, 0.02 * double(expected))) << what;
}

class Recording : public SoundServerTest {
protected:
    void SetUp() override
    {
        SoundServerTest::SetUp();
        if (IsSkipped())
            return;
        for (int quality = 0; quality <= 2; ++quality) {
            const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
            Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        }
        Folder.Context.Contest.EntryNo = 7;
    }

    // Steps 1 to 3 as the measurement run sends them; `whileRecording` runs
    // right after the start.
    QByteArray Record(int quality, int seconds, const std::function<void()>& whileRecording = {})
    {
        Folder.Context.Settings.Mic.Quality = static_cast<RecordingQuality>(quality);
        Folder.Context.Settings.Basic.MeasureSeconds = static_cast<int16_t>(seconds);
        SteppedAudio audio(Folder.Context);
        EXPECT_TRUE(Clean(audio.RecordingStep(1)));
        EXPECT_TRUE(Clean(audio.RecordingStep(2)));
        if (whileRecording)
            whileRecording();
        HandleEventsFor(seconds * 1000 + 50);
        HandleEventsFor(1000);
        EXPECT_TRUE(Clean(audio.RecordingStep(3)));
        return Folder.Read(QStringLiteral("xx0007.wav"));
    }

    // The file holds exactly the samples of the measurement time behind the
    // exact header; returns the samples.
    static QByteArray CheckFile(const QByteArray& file, int quality, int seconds)
    {
        const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
        const uint32_t dataBytes = format.SampleRate * seconds * (format.BitsPerSample / 8);
        EXPECT_EQ(file.size(), RecordingHeaderSize + int64_t(dataBytes));
        EXPECT_EQ(file.left(RecordingHeaderSize), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, dataBytes));
        return file.mid(RecordingHeaderSize);
    }

    StoreFolder Folder;
    VirtualMicrophone Microphone;
};

class RecordingAtQuality : public Recording, public testing::WithParamInterface<int> {};

} // namespace

TEST_F(Recording, TakesTheServersDefaultSource)
{
    EXPECT_EQ(QuerySoundServerDefaults().SourceName, QByteArray("virtmic"));
    EXPECT_EQ(ListAudioInputs().DefaultName, QByteArray("virtmic"));
    // The run on PipeWire really talks to PipeWire.
    const bool onPipeWire = QuerySoundServerDefaults().ServerName.contains(QLatin1String("PipeWire"));
    EXPECT_EQ(onPipeWire, SoundServerName() == QLatin1String("pipewire")) << QuerySoundServerDefaults().ServerName.toStdString();
}

TEST_F(Recording, TellsTheInputsVolumeAsTheVolumeControlShowsIt)
{
    const auto setVolume = [](const char* volume) {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("set-source-volume"), QStringLiteral("virtmic"), QLatin1String(volume)});
        return pactl.waitForFinished(5000) && pactl.exitCode() == 0;
    };
    // The other tests record the input at full volume.
    const auto fullVolume = qScopeGuard([&] { setVolume("100%"); });
    for (const char* volume : {"64%", "100%"}) {
        ASSERT_TRUE(setVolume(volume));
        const int percent = QByteArray(volume).chopped(1).toInt();
        EXPECT_EQ(QueryInputVolume("virtmic"), percent);
        EXPECT_EQ(QueryInputVolume({}), percent) << "the default input";
    }
    EXPECT_EQ(QueryInputVolume("no-such-input"), std::nullopt);
}

TEST_P(RecordingAtQuality, TonesAndSilenceScoreAsTheSignal)
{
    const int quality = GetParam();
    const int rate = int(RecordingFormatOf(static_cast<RecordingQuality>(quality)).SampleRate);
    for (const double amplitude : {0.0, 0.1, 1.0}) {
        SCOPED_TRACE(amplitude);
        if (amplitude > 0) {
            const QString tonePath = Folder.Path(QStringLiteral("tone.wav"));
            WriteTone(tonePath, 48000, 3.0, amplitude);
            Microphone.Play(tonePath);
            // The tone reaches the microphone a moment after paplay starts.
            HandleEventsFor(500);
        }
        const QByteArray samples = CheckFile(Record(quality, 1), quality, 1);
        const MeasureResult recorded = ScoreOf(samples, quality);
        const MeasureResult expected = ScoreOf(AsRecorded(Tone(rate, 1.0, amplitude), quality, rate), quality);
        if (amplitude == 0.0) {
            EXPECT_EQ(recorded.TotalPoints.Value, 0);
        }
        ExpectPointsNear(recorded.MaxPoints.Value, expected.MaxPoints.Value, "maximum");
        ExpectPointsNear(recorded.IntegPoints.Value, expected.IntegPoints.Value, "integrated");
        Microphone.Player.waitForFinished(5000);
    }
}

TEST_P(RecordingAtQuality, ASpokenPhraseScoresAsTheSpeech)
{
    const int quality = GetParam();
    const int rate = int(RecordingFormatOf(static_cast<RecordingQuality>(quality)).SampleRate);
    const QString phrasePath = Folder.Path(QStringLiteral("phrase.wav"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("espeak-ng"), {QStringLiteral("-a"), QStringLiteral("100"), QStringLiteral("-w"), phrasePath,
                                                              QStringLiteral("Louder, louder, the loudest voice wins!")}),
              0);
    // The speech as the device should store it, read at the recording rate.
    const QString convertedPath = Folder.Path(QStringLiteral("converted.wav"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-D"), phrasePath, QStringLiteral("-r"), QString::number(rate), convertedPath}), 0);
    SF_INFO info{};
    SNDFILE* converted = sf_open(convertedPath.toLocal8Bit().constData(), SFM_READ, &info);
    ASSERT_NE(converted, nullptr);
    std::vector<double> speech(size_t(info.frames));
    sf_read_double(converted, speech.data(), info.frames);
    sf_close(converted);
    const int seconds = int(info.frames / rate) + 2;

    // The whole phrase falls inside the recording, the rest is silence.
    const QByteArray samples = CheckFile(Record(quality, seconds, [&] { Microphone.Play(phrasePath); }), quality, seconds);
    const MeasureResult recorded = ScoreOf(samples, quality);
    const MeasureResult expected = ScoreOf(AsRecorded(speech, quality, int64_t(rate) * seconds), quality);
    EXPECT_GT(expected.IntegPoints.Value, 10);
    EXPECT_NEAR(double(recorded.IntegRaw), double(expected.IntegRaw), 0.04 * double(expected.IntegRaw));
    EXPECT_NEAR(double(recorded.MaxRaw), double(expected.MaxRaw), 0.04 * double(expected.MaxRaw));
}

// A stereo input is mixed to mono by averaging its channels, whichever server
// runs: the same tone on both channels records at the tone's own level, a
// tone on one channel at half of it, and a mono input as it is.
TEST_P(RecordingAtQuality, EveryInputRecordsAtTheLevelOfItsChannelsAverage)
{
    const int quality = GetParam();
    const double toneRms = 0.5 * 32767.0 / std::sqrt(2.0);
    struct Input {
        const char* What;
        std::vector<double> Channels;
        const char* Sink;
        const char* Name;
        double ExpectedRms;
    };
    const Input inputs[] = {{"stereo, both channels", {0.5, 0.5}, "micsink", "", toneRms},
                            {"stereo, left channel only", {0.5, 0.0}, "micsink", "", toneRms / 2},
                            {"mono", {0.5}, "monosink", "monomic", toneRms}};
    for (const Input& input : inputs) {
        SCOPED_TRACE(input.What);
        ASSERT_FALSE(SaveProgramOptions(Folder.Context, {QLatin1String(input.Name), {}}));
        const QString tonePath = Folder.Path(QStringLiteral("tone.wav"));
        WriteChannelTones(tonePath, 48000, 3.0, input.Channels);
        Microphone.Play(tonePath, QLatin1String(input.Sink));
        HandleEventsFor(500);
        const QByteArray samples = CheckFile(Record(quality, 1), quality, 1);
        const double rms = RecordingRms(samples, RecordingFormatOf(static_cast<RecordingQuality>(quality)).BitsPerSample);
        std::printf("%s, quality %d, %s: RMS %.0f (expected %.0f)\n", SoundServerName().toUtf8().constData(), quality, input.What, rms,
                    input.ExpectedRms);
        // Within 0.05 dB of the tone, so within 0.1 dB between any two servers.
        EXPECT_NEAR(20 * std::log10(rms / input.ExpectedRms), 0.0, 0.05) << "RMS " << rms;
        Microphone.Player.waitForFinished(5000);
    }
}

INSTANTIATE_TEST_SUITE_P(Qualities, RecordingAtQuality, testing::Values(0, 1, 2), [](const auto& info) {
    return std::string(info.param == 0 ? "Normal8kHz8bit" : info.param == 1 ? "Middle16kHz16bit" : "High48kHz16bit");
});
