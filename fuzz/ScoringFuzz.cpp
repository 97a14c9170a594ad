// Arbitrary bytes as a recording: scoring must never crash, must not depend on
// how the bytes arrive, and must keep the points in their range.
#include "core/LoudnessAnalysis.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const SampleWidth width = data[0] & 1 ? SampleWidth::Bits16 : SampleWidth::Bits8;
    const int noiseCut = data[1] % 101;
    const char* samples = reinterpret_cast<const char*>(data) + 2;
    const size_t length = size - 2;

    LoudnessTally whole(width, noiseCut);
    whole.Add(samples, length);
    LoudnessTally split(width, noiseCut);
    const size_t cut = length / 3;
    split.Add(samples, cut);
    split.Add(samples + cut, length - cut);

    const MeasureResult result = whole.Finish(static_cast<int64_t>(length));
    if (!(result == split.Finish(static_cast<int64_t>(length))))
        std::abort();
    // The loudest tenth holds at most ceil(N / 10) samples at full scale.
    const int64_t fullScale = width == SampleWidth::Bits8 ? 128 : 32768;
    const int64_t tenth = (int64_t(result.SampleCount) + 9) / 10;
    if (result.IntegPoints.Value < 0 || result.IntegPoints.Value > 1000 || result.MaxPoints.Value < 0 ||
        result.MaxRaw > result.IntegRaw || result.MaxRaw > tenth * fullScale ||
        result.TotalPoints != result.MaxPoints + result.IntegPoints)
        std::abort();
    return 0;
}
