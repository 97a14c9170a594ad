// The shared waveform drawing, per pixel column, against one line per
// sample, on the microphone test's picture.
#include "WaveformComparison.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// A shout: a noisy tone that swells and fades, with silence around it, as
// the device stores it at the quality.
QByteArray Shout(int quality, unsigned seed)
{
    const int rate = quality == 0 ? 8000 : quality == 1 ? 16000 : 48000;
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.08);
    QByteArray data;
    for (int i = 0; i < 3 * rate; ++i) {
        const double t = double(i) / rate;
        const double envelope = t < 0.4 || t > 2.6 ? 0.02 : std::sin(M_PI * (t - 0.4) / 2.2);
        const double value = std::clamp(envelope * (0.7 * std::sin(2 * M_PI * 310 * t) + noise(random)), -1.0, 1.0);
        const auto word = static_cast<int16_t>(std::lround(value * 32767));
        if (quality == 0) {
            data.append(char((word >> 8) + 128));
        } else {
            data.append(char(word & 0xFF));
            data.append(char((word >> 8) & 0xFF));
        }
    }
    return data;
}

}

TEST(WaveformDrawing, PerColumnDrawsThePictureOfOneLinePerSample)
{
    for (int quality = 0; quality <= 2; ++quality) {
        for (unsigned seed : {1u, 2u}) {
            const QByteArray data = Shout(quality, seed);
            for (const QSize size : {QSize(480, 220), QSize(333, 150)}) {
                const QImage columns = DrawTestPicture(static_cast<RecordingQuality>(quality), data, true, size);
                const QImage samples = DrawTestPicture(static_cast<RecordingQuality>(quality), data, false, size);
                const PictureDifference difference = ComparePictures(columns, samples);
                EXPECT_GT(difference.Drawn, size.width() * 10) << "quality " << quality;
                EXPECT_EQ(difference.Pixels, 0) << "quality " << quality << " seed " << seed << " width " << size.width();
            }
        }
    }
}
