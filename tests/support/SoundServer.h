#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QtGlobal>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <vector>

// Tests on the real sound server run where PULSE_SERVER names one, as the
// test command arranges; elsewhere they are skipped.
class SoundServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            GTEST_SKIP() << "no sound server: PULSE_SERVER is not set";
    }
};

// Plays a sound file into a sink of the test command's sound server: by
// default the stereo "micsink", heard by the default input "virtmic";
// "monosink" is heard by the mono input "monomic".
class VirtualMicrophone {
public:
    ~VirtualMicrophone()
    {
        if (Player.state() != QProcess::NotRunning) {
            Player.kill();
            Player.waitForFinished(2000);
        }
    }

    void Play(const QString& path, const QString& sink = QStringLiteral("micsink"))
    {
        Player.start(QStringLiteral("paplay"), {QStringLiteral("--device=") + sink, path});
        ASSERT_TRUE(Player.waitForStarted(5000)) << "paplay did not start";
    }

    QProcess Player;
};

// A 16-bit WAV of `frames` interleaved over `channels`.
inline void WriteSamples(const QString& path, int rate, const std::vector<short>& samples, int channels = 1)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size() / static_cast<size_t>(channels)));
    sf_close(file);
}

// A 16-bit WAV of a sine tone with one amplitude (0 to 1 of full scale) per
// channel.
inline void WriteChannelTones(const QString& path, int rate, double seconds, const std::vector<double>& amplitudes,
                              double frequency = 440.0)
{
    const auto frames = static_cast<size_t>(rate * seconds);
    std::vector<short> samples(frames * amplitudes.size());
    for (size_t i = 0; i < frames; ++i) {
        const double wave = std::sin(2.0 * M_PI * frequency * double(i) / rate);
        for (size_t channel = 0; channel < amplitudes.size(); ++channel)
            samples[i * amplitudes.size() + channel] = static_cast<short>(std::lround(amplitudes[channel] * 32767.0 * wave));
    }
    WriteSamples(path, rate, samples, static_cast<int>(amplitudes.size()));
}

// A mono 16-bit WAV of a sine tone of `amplitude` (0 to 1 of full scale).
inline void WriteTone(const QString& path, int rate, double seconds, double amplitude, double frequency = 440.0)
{
    WriteChannelTones(path, rate, seconds, {amplitude}, frequency);
}

// The root mean square of a recording's samples on the 16-bit scale (8-bit
// samples less 128, times 256).
inline double RecordingRms(const QByteArray& samples, int bitsPerSample)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(samples.constData());
    const qsizetype count = samples.size() / (bitsPerSample / 8);
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double value = bitsPerSample == 8 ? (bytes[i] - 128) * 256.0 : double(int16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
        sum += value * value;
    }
    return count > 0 ? std::sqrt(sum / double(count)) : 0.0;
}

// The sound server the test command started, as it names it.
inline QString SoundServerName()
{
    return qEnvironmentVariable("ZUVELO_SOUND_SERVER", QStringLiteral("sound server"));
}
