// Scoring a 30-second recording against the floor of reading it into memory.
#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "core/SoundLevels.h"
#include "ShoutSignal.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int RecordingSeconds = 30;

// A whole recording file of the shout.
QByteArray Recording(uint32_t rate, uint16_t bits)
{
    const uint32_t samples = rate * RecordingSeconds;
    return MakeRecordingHeader(rate, bits, samples * (bits / 8)) + ShoutSamples(rate, bits, samples);
}

class RecordingFixture {
public:
    RecordingFixture(uint32_t rate, uint16_t bits) : Path(Dir.path() + QStringLiteral("/xx0001.wav"))
    {
        QFile file(Path);
        if (file.open(QIODevice::WriteOnly))
            file.write(Recording(rate, bits));
    }

    QTemporaryDir Dir;
    QString Path;
};

void BM_ScoreRecording(benchmark::State& state)
{
    const bool high = state.range(0) == 48000;
    RecordingFixture recording(static_cast<uint32_t>(state.range(0)), high ? 16 : 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(ScoreRecordingFile(recording.Path, high ? SampleWidth::Bits16 : SampleWidth::Bits8, 10));
    state.SetLabel(high ? "48 kHz 16 bit, 30 s" : "8 kHz 8 bit, 30 s");
}
BENCHMARK(BM_ScoreRecording)->Arg(48000)->Arg(8000)->Unit(benchmark::kMillisecond);

// The sound levels of the same recording, which are worked out after its
// score: within the time of scoring it.
void BM_SoundLevels(benchmark::State& state)
{
    const bool high = state.range(0) == 48000;
    RecordingFixture recording(static_cast<uint32_t>(state.range(0)), high ? 16 : 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureRecordingLevels(recording.Path, high ? RecordingQuality::High : RecordingQuality::Normal));
    state.SetLabel(high ? "48 kHz 16 bit, 30 s" : "8 kHz 8 bit, 30 s");
}
BENCHMARK(BM_SoundLevels)->Arg(48000)->Arg(8000)->Unit(benchmark::kMillisecond);

void BM_ReadRecordingIntoMemory(benchmark::State& state)
{
    RecordingFixture recording(static_cast<uint32_t>(state.range(0)), state.range(0) == 48000 ? 16 : 8);
    for (auto _ : state) {
        QFile file(recording.Path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(BM_ReadRecordingIntoMemory)->Arg(48000)->Arg(8000)->Unit(benchmark::kMillisecond);

}
