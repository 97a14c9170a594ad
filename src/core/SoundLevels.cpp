#include "core/SoundLevels.h"

#include "core/FrequencyWeighting.h"
#include "core/RecordingFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The F time weighting's time constant, in seconds.
constexpr double FastTimeConstant = 0.125;
// The mean square of a full-scale sine, on samples scaled to ±1.
constexpr double FullScaleSineMeanSquare = 0.5;

// The recording is cut into this many stretches, filtered side by side: a
// filter waits for its previous output, so one stretch alone keeps the
// processor waiting, while eight fill its vector registers. Each stretch
// starts with 0.75 s of the one before it, uncounted, which brings the
// filters and the time weighting to where they stand there (to within
// e^-6 of the F weighting's memory, 0.01 dB).
constexpr int Lanes = 8;
constexpr int StepsPerSecond = 8;
constexpr int WarmUpSteps = 6;
constexpr int Sections = 6;
constexpr int CSections = 4;

// The chain of FrequencyWeighting: its high passes have B1 = -B0, its
// bilinear low pass B1 = B0 and its matched low pass B1 = 0. The lanes run
// each section without its gain B0, and on the samples as they are in the
// file: the gains multiply the squares once at the end instead of every
// sample in every section.
enum class SectionShape { HighPass, LowPass, Pole };
constexpr SectionShape SectionShapes[Sections] = {SectionShape::HighPass, SectionShape::HighPass, SectionShape::LowPass,
                                                  SectionShape::Pole,     SectionShape::HighPass, SectionShape::HighPass};

// The lanes side by side: one value of each.
typedef float LaneVector __attribute__((vector_size(Lanes * sizeof(float))));

// Built for the processors with wide vectors and fused multiply-add too,
// chosen when the program starts.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define ZUVELO_WIDE_VECTORS __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define ZUVELO_WIDE_VECTORS
#endif

double MeanSquareDb(double meanSquare)
{
    return meanSquare > 0 ? std::max(SilenceDb, 10 * std::log10(meanSquare / FullScaleSineMeanSquare)) : SilenceDb;
}

struct LaneFilters {
    // A1 of each section.
    std::array<float, Sections> Feedback;
    // The part of the time weighting's memory that each sample keeps; the
    // part of the square it adds is left to FastGain.
    float FastKept;
    // What turns the lanes' squares into the squares of samples scaled to ±1
    // and weighted as designed.
    double GainZ, GainC, GainA, FastGain;
};

LaneFilters FiltersFor(int sampleRate)
{
    const WeightingFilters design = DesignWeightingFilters(sampleRate);
    LaneFilters filters{};
    double gain = 1 / 32768.0;
    filters.GainZ = gain * gain;
    for (int k = 0; k < Sections; ++k) {
        const FirstOrderSection& section = k < CSections ? design.C[k] : design.AfterC[k - CSections];
        filters.Feedback[k] = static_cast<float>(section.A1);
        gain *= section.B0;
        if (k == CSections - 1)
            filters.GainC = gain * gain;
    }
    filters.GainA = gain * gain;
    const double kept = std::exp(-1.0 / (FastTimeConstant * sampleRate));
    filters.FastKept = static_cast<float>(kept);
    filters.FastGain = (1 - kept) * filters.GainA;
    return filters;
}

// Where the lanes stand between two runs, and what they have counted.
struct LaneState {
    LaneVector Input[Sections]{}, Output[Sections]{};
    // PeakC holds the square of the C-weighted peak.
    LaneVector Fast{}, FastMax{}, PeakC{};
    // The squares of one step's samples.
    LaneVector StepA{}, StepC{}, StepZ{};
};

using LaneSamples = std::array<std::vector<float>, Lanes>;

// One section on the lanes' values `v`, which it replaces by its output.
template <int K>
inline __attribute__((always_inline)) void RunSection(LaneVector& v, LaneVector& input, LaneVector& output, const LaneFilters& filters)
{
    const float a1 = filters.Feedback[K];
    LaneVector y;
    if constexpr (SectionShapes[K] == SectionShape::HighPass)
        y = (v - input) - a1 * output;
    else if constexpr (SectionShapes[K] == SectionShape::LowPass)
        y = (v + input) - a1 * output;
    else
        y = v - a1 * output;
    input = v;
    output = y;
    v = y;
}

// Runs the samples of each lane through the filters and the time weighting.
ZUVELO_WIDE_VECTORS void RunLanes(const LaneSamples& samples, const LaneFilters& filters, LaneState& state)
{
    std::array<const float*, Lanes> from;
    for (int j = 0; j < Lanes; ++j)
        from[j] = samples[j].data();
    const size_t count = samples[0].size();
    LaneVector input[Sections], output[Sections];
    for (int k = 0; k < Sections; ++k) {
        input[k] = state.Input[k];
        output[k] = state.Output[k];
    }
    LaneVector fast = state.Fast, fastMax = state.FastMax, peak = state.PeakC;
    LaneVector sumA = state.StepA, sumC = state.StepC, sumZ = state.StepZ;
    for (size_t i = 0; i < count; ++i) {
        LaneVector v;
        for (int j = 0; j < Lanes; ++j)
            v[j] = from[j][i];
        sumZ += v * v;
        RunSection<0>(v, input[0], output[0], filters);
        RunSection<1>(v, input[1], output[1], filters);
        RunSection<2>(v, input[2], output[2], filters);
        RunSection<3>(v, input[3], output[3], filters);
        const LaneVector squareC = v * v;
        peak = squareC > peak ? squareC : peak;
        sumC += squareC;
        RunSection<4>(v, input[4], output[4], filters);
        RunSection<5>(v, input[5], output[5], filters);
        const LaneVector squareA = v * v;
        // One multiply-add after the last: the wait for it paces the loop.
        fast = filters.FastKept * fast + squareA;
        fastMax = fast > fastMax ? fast : fastMax;
        sumA += squareA;
    }
    for (int k = 0; k < Sections; ++k) {
        state.Input[k] = input[k];
        state.Output[k] = output[k];
    }
    state.Fast = fast, state.FastMax = fastMax, state.PeakC = peak;
    state.StepA = sumA, state.StepC = sumC, state.StepZ = sumZ;
}

// The samples `first` to `first + lane.size()` of the recording as 16-bit
// values, zeros beyond either end; true when one of them touches full scale.
bool FillLane(std::vector<float>& lane, const QByteArray& bytes, SampleWidth width, int64_t first)
{
    const int64_t count = width == SampleWidth::Bits8 ? bytes.size() : bytes.size() / 2;
    const auto size = static_cast<int64_t>(lane.size());
    const int64_t from = std::clamp<int64_t>(-first, 0, size), to = std::clamp<int64_t>(count - first, from, size);
    std::fill(lane.begin(), lane.begin() + from, 0.0f);
    std::fill(lane.begin() + to, lane.end(), 0.0f);
    // Apart, so that the loops below run on whole vectors.
    float* __restrict out = lane.data();
    int clipped = 0;
    if (width == SampleWidth::Bits8) {
        const auto* __restrict in = reinterpret_cast<const uint8_t*>(bytes.constData()) + first;
        for (int64_t i = from; i < to; ++i) {
            clipped |= (in[i] == 0) | (in[i] == 255);
            out[i] = static_cast<float>((in[i] - 128) * 256);
        }
        return clipped != 0;
    }
    // Little-endian in the file as in the processor (amd64).
    const auto* __restrict in = reinterpret_cast<const int16_t*>(bytes.constData()) + first;
    for (int64_t i = from; i < to; ++i) {
        clipped |= (in[i] == INT16_MIN) | (in[i] == INT16_MAX);
        out[i] = in[i];
    }
    return clipped != 0;
}

}

int SampleRateOf(RecordingQuality quality)
{
    switch (quality) {
    case RecordingQuality::Normal:
        return 8000;
    case RecordingQuality::Middle:
        return 16000;
    case RecordingQuality::High:
        break;
    }
    return 48000;
}

SoundAnalysis AnalyseSound(const QByteArray& bytes, RecordingQuality quality)
{
    const int rate = SampleRateOf(quality);
    const SampleWidth width = SampleWidthOf(quality);
    const int64_t count = width == SampleWidth::Bits8 ? bytes.size() : bytes.size() / 2;
    const int64_t step = rate / StepsPerSecond;
    const int64_t steps = (count + step - 1) / step;
    const int64_t laneSteps = (steps + Lanes - 1) / Lanes;
    LaneSamples lanes;
    for (std::vector<float>& lane : lanes)
        lane.resize(static_cast<size_t>(step));
    bool clipped = false;

    const LaneFilters filters = FiltersFor(rate);
    LaneState state;
    // The steps' sums in single precision, added up in double.
    std::array<double, Lanes> sumA{}, sumC{}, sumZ{};
    SoundAnalysis analysis;
    analysis.FastLevels.resize(static_cast<size_t>(steps));
    for (int64_t s = 0; s < WarmUpSteps + laneSteps; ++s) {
        const bool counted = s >= WarmUpSteps;
        if (s == WarmUpSteps)
            state.FastMax = state.PeakC = LaneVector{};
        for (int j = 0; j < Lanes; ++j)
            clipped |= FillLane(lanes[j], bytes, width, (j * laneSteps + s - WarmUpSteps) * step);
        RunLanes(lanes, filters, state);
        for (int j = 0; j < Lanes; ++j) {
            const int64_t at = j * laneSteps + s - WarmUpSteps;
            if (counted && at < steps) {
                analysis.FastLevels[static_cast<size_t>(at)] = MeanSquareDb(state.Fast[j] * filters.FastGain);
                sumA[j] += state.StepA[j];
                sumC[j] += state.StepC[j];
                sumZ[j] += state.StepZ[j];
            }
        }
        state.StepA = state.StepC = state.StepZ = LaneVector{};
    }

    double fastMax = 0, peak = 0, totalA = 0, totalC = 0, totalZ = 0;
    for (int j = 0; j < Lanes; ++j) {
        fastMax = std::max<double>(fastMax, state.FastMax[j]);
        peak = std::max<double>(peak, state.PeakC[j]);
        totalA += sumA[j];
        totalC += sumC[j];
        totalZ += sumZ[j];
    }
    const auto n = static_cast<double>(std::max<int64_t>(count, 1));
    SoundLevels& levels = analysis.Levels;
    levels.LAFmax = MeanSquareDb(fastMax * filters.FastGain);
    // A sine's peak is √2 times its root mean square.
    levels.LCpeak = MeanSquareDb(peak * filters.GainC);
    levels.LAeq = MeanSquareDb(totalA * filters.GainA / n);
    levels.LCeq = MeanSquareDb(totalC * filters.GainC / n);
    levels.LZeq = MeanSquareDb(totalZ * filters.GainZ / n);
    levels.Clipped = clipped;
    return analysis;
}

std::optional<SoundAnalysis> MeasureRecordingLevels(const QString& path, RecordingQuality quality)
{
    const std::optional<QByteArray> samples = ReadRecordingSamples(path, quality);
    if (!samples)
        return std::nullopt;
    return AnalyseSound(*samples, quality);
}
