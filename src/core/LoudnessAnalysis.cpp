#include "core/LoudnessAnalysis.h"

#include "core/RecordingFile.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int64_t FullScale8 = 128;
constexpr int64_t FullScale16 = 32768;
// At 16 bit a sample's level value is its magnitude rounded down to a
// multiple of this step; the top level that can take samples is 32700.
constexpr int64_t LevelStep16 = 100;
constexpr int LevelCount16 = 328;

struct Magnitudes {
    int64_t FullScale;
    // Retained samples per level index, and the level value of each index.
    std::vector<uint64_t> LevelCounts;
    int64_t LevelScale;
    int64_t IntegRaw = 0;
};

int64_t SampleCountOf(SampleWidth width, int64_t dataBytes)
{
    if (width == SampleWidth::Bits8)
        return dataBytes;
    // Half the data length rounded to the nearest whole number, ties to even.
    return static_cast<int64_t>(std::nearbyint(static_cast<double>(dataBytes) / 2.0));
}

int64_t TakeLoudestTenth(const Magnitudes& magnitudes, int64_t sampleCount)
{
    // Takes ceil(N / 10) samples: the scan stops once the taken count reaches N / 10.
    const int64_t wanted = (sampleCount + 9) / 10;
    int64_t taken = 0;
    int64_t maxRaw = 0;
    for (size_t level = magnitudes.LevelCounts.size() - 1; level > 0 && taken < wanted; --level) {
        const int64_t take = std::min<int64_t>(static_cast<int64_t>(magnitudes.LevelCounts[level]), wanted - taken);
        maxRaw += take * static_cast<int64_t>(level) * magnitudes.LevelScale;
        taken += take;
    }
    return maxRaw;
}

Points PointsOf(int64_t numerator, int64_t denominator)
{
    return Points{static_cast<int64_t>(std::trunc(static_cast<double>(numerator) / static_cast<double>(denominator) * 1000.0))};
}

}

LoudnessTally::LoudnessTally(SampleWidth width, int noiseCutLevel)
    : Width(width), NoiseCutLevel(noiseCutLevel), ValueCounts(width == SampleWidth::Bits8 ? 256 : 65536, 0)
{
}

void LoudnessTally::Add(const char* data, size_t size)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(data);
    if (Width == SampleWidth::Bits8) {
        for (size_t i = 0; i < size; ++i)
            ++ValueCounts[bytes[i]];
        return;
    }
    size_t i = 0;
    if (HasPendingByte && size > 0) {
        ++ValueCounts[PendingByte | (bytes[0] << 8)];
        HasPendingByte = false;
        i = 1;
    }
    for (; i + 1 < size; i += 2)
        ++ValueCounts[bytes[i] | (bytes[i + 1] << 8)];
    if (i < size) {
        PendingByte = bytes[i];
        HasPendingByte = true;
    }
}

MeasureResult LoudnessTally::Finish(int64_t dataBytes) const
{
    const bool eightBit = Width == SampleWidth::Bits8;
    Magnitudes magnitudes{eightBit ? FullScale8 : FullScale16,
                          std::vector<uint64_t>(eightBit ? FullScale8 + 1 : LevelCount16, 0), eightBit ? 1 : LevelStep16};
    for (size_t value = 0; value < ValueCounts.size(); ++value) {
        const uint64_t count = ValueCounts[value];
        if (count == 0)
            continue;
        const int64_t magnitude = eightBit ? std::abs(static_cast<int>(value) - 128)
                                           : std::abs(static_cast<int>(static_cast<int16_t>(static_cast<uint16_t>(value))));
        // The cut is strict: a magnitude equal to the cut level's share of full scale is dropped.
        if (magnitude * 100 <= magnitudes.FullScale * NoiseCutLevel)
            continue;
        magnitudes.IntegRaw += static_cast<int64_t>(count) * magnitude;
        magnitudes.LevelCounts[static_cast<size_t>(magnitude / magnitudes.LevelScale)] += count;
    }

    const int64_t sampleCount = SampleCountOf(Width, dataBytes);
    MeasureResult result;
    if (sampleCount <= 0)
        return result;
    result.SampleCount = static_cast<int32_t>(std::min<int64_t>(sampleCount, INT32_MAX));
    result.IntegRaw = magnitudes.IntegRaw;
    result.MaxRaw = TakeLoudestTenth(magnitudes, sampleCount);
    const int64_t denominator = sampleCount * magnitudes.FullScale;
    result.MaxPoints = PointsOf(result.MaxRaw * 10, denominator);
    result.IntegPoints = PointsOf(result.IntegRaw, denominator);
    result.TotalPoints = result.MaxPoints + result.IntegPoints;
    return result;
}

MeasureResult ScoreRecordingFile(const QString& path, SampleWidth width, int noiseCutLevel)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const int64_t dataBytes = file.size() - RecordingHeaderSize;
    LoudnessTally tally(width, noiseCutLevel);
    if (dataBytes > 0 && file.seek(RecordingHeaderSize)) {
        std::vector<char> buffer(1 << 16);
        qint64 got = 0;
        while ((got = file.read(buffer.data(), static_cast<qint64>(buffer.size()))) > 0)
            tally.Add(buffer.data(), static_cast<size_t>(got));
    }
    return tally.Finish(dataBytes);
}
