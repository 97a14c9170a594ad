#pragma once

#include "core/Points.h"
#include "core/RecordingQuality.h"

#include <QDateTime>
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

// The entrant just measured: its entry number, the score of its recording and
// what the measurement was made with, as its record of the log keeps them.
struct MeasuredEntrant {
    int EntryNo = 0;
    MeasureResult Result;
    RecordingQuality Quality = RecordingQuality::Normal;
    int16_t NoiseCutLevel = 0;
    int16_t MeasureSeconds = 0;
    QDateTime MeasuredAt = {};

    bool operator==(const MeasuredEntrant&) const = default;
};
