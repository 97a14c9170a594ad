#pragma once

#include <QString>
#include <cstdint>

// The result of the last analysis of a recording. The sums are exact; the
// points are whole numbers.
struct MeasureResult {
    QString WavPath;
    int32_t SampleCount = 0;
    int64_t IntegRaw = 0;
    int64_t MaxRaw = 0;
    int64_t MaxPoints = 0;
    int64_t IntegPoints = 0;
    int64_t TotalPoints = 0;

    bool operator==(const MeasureResult&) const = default;
};
