#pragma once

#include "core/Points.h"

#include <cstdint>

// The score of one recording. The sums are exact; the points are whole
// numbers.
struct MeasureResult {
    int32_t SampleCount = 0;
    int64_t IntegRaw = 0;
    int64_t MaxRaw = 0;
    Points MaxPoints;
    Points IntegPoints;
    Points TotalPoints;

    bool operator==(const MeasureResult&) const = default;
};

// The entrant just measured: its entry number and the score of its recording.
struct MeasuredEntrant {
    int EntryNo = 0;
    MeasureResult Result;

    bool operator==(const MeasuredEntrant&) const = default;
};
