#pragma once

#include "core/RecordingQuality.h"

#include <QString>
#include <cstdint>

// One stored entrant as the windows show it: the numbers of its log record
// and the time of the shout as "yyyy/mm/dd hh:mm:ss".
struct LoadedEntrant {
    int EntryNo = 0;
    int TotalPoints = 0;
    int MaxPoints = 0;
    int32_t MaxRaw = 0;
    int IntegPoints = 0;
    int32_t IntegRaw = 0;
    int32_t SampleCount = 0;
    QString Remark;
    int Rank = 0;
    QString MeasuredAt;
    // The settings in force at the measurement.
    int NoiseCutLevel = 0;
    int MeasureSeconds = 0;
    RecordingQuality Quality = RecordingQuality::Normal;

    bool operator==(const LoadedEntrant&) const = default;
};
