#pragma once

#include <cstdint>

// The recording quality of the microphone settings, stored in the settings
// file and in each log record as its number.
enum class RecordingQuality : int16_t {
    Normal = 0, // 8 kHz, 8 bit
    Middle = 1, // 16 kHz, 16 bit
    High = 2,   // 48 kHz, 16 bit
};

enum class SampleWidth { Bits8, Bits16 };

// Any number other than the normal quality's records 16-bit samples: a
// hand-edited value is read as one of the higher qualities.
constexpr SampleWidth SampleWidthOf(RecordingQuality quality)
{
    return quality == RecordingQuality::Normal ? SampleWidth::Bits8 : SampleWidth::Bits16;
}

constexpr bool IsKnownQuality(RecordingQuality quality)
{
    return quality >= RecordingQuality::Normal && quality <= RecordingQuality::High;
}
