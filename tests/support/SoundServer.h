#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QtGlobal>
#include <cmath>
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

// Plays a sound file into the sink whose monitor is the virtual microphone.
class VirtualMicrophone {
public:
    ~VirtualMicrophone()
    {
        if (Player.state() != QProcess::NotRunning) {
            Player.kill();
            Player.waitForFinished(2000);
        }
    }

    void Play(const QString& path)
    {
        Player.start(QStringLiteral("paplay"), {QStringLiteral("--device=micsink"), path});
        ASSERT_TRUE(Player.waitForStarted(5000)) << "paplay did not start";
    }

    QProcess Player;
};

// A mono 16-bit WAV of a sine tone of `amplitude` (0 to 1 of full scale).
inline void WriteTone(const QString& path, int rate, double seconds, double amplitude, double frequency = 440.0)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<short> samples(static_cast<size_t>(rate * seconds));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>(std::lround(amplitude * 32767.0 * std::sin(2.0 * M_PI * frequency * double(i) / rate)));
    sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}
