// The microphone test's waveform at 48 kHz (three seconds, 144000 samples)
// on its picture: one line per pixel column against one line per sample.
#include "widgets/WaveformDrawing.h"
#include "settings/MicTest.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr RecordingQuality HighQuality = RecordingQuality::High;

QByteArray TestRecording()
{
    QByteArray data;
    const int samples = ExpectedTestBytes(HighQuality) / 2;
    for (int i = 0; i < samples; ++i) {
        const double value = std::sin(M_PI * i / samples) * std::sin(i * 0.0411) * (0.6 + 0.4 * std::sin(i * 0.00071));
        const auto word = static_cast<int16_t>(std::lround(value * 30000));
        data.append(char(word & 0xFF));
        data.append(char((word >> 8) & 0xFF));
    }
    return data;
}

void DrawOnPicture(benchmark::State& state, bool perColumn)
{
    const QByteArray data = TestRecording();
    const std::vector<int16_t> levels = SampleLevels(data, SampleWidth::Bits16);
    const WaveformPlacement placement{0, double(data.size()), 0, 0.1};
    QImage picture(480, 220, QImage::Format_RGB32);
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setWorldTransform(PictureTransform(HighQuality, double(data.size()), picture.size()));
        painter.setPen(Qt::black);
        if (perColumn)
            DrawWaveform(painter, placement, levels);
        else
            DrawWaveformPerSample(painter, placement, levels);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["samples"] = double(levels.size());
}

void MicTestWaveformPerColumn(benchmark::State& state)
{
    DrawOnPicture(state, true);
}

void MicTestWaveformPerSample(benchmark::State& state)
{
    DrawOnPicture(state, false);
}

}

BENCHMARK(MicTestWaveformPerColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(MicTestWaveformPerSample)->Unit(benchmark::kMillisecond);
