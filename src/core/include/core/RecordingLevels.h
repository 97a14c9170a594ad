#pragma once

#include "core/LoudnessAnalysis.h"
#include "core/RecordingQuality.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The samples of a recording as the graphs draw them.
struct RecordingLevels {
    std::vector<int16_t> Levels;
    SampleWidth Width = SampleWidth::Bits8;
};

// Signed levels of a recording's sample bytes: 8-bit samples less 128,
// 16-bit little-endian samples as they are; a trailing odd byte is dropped.
std::vector<int16_t> SampleLevels(const QByteArray& data, SampleWidth width);

// The one reader of an entrant's recording for its graphs (the score
// monitor, the score sheet, the hall's page): the recording at `path`, made
// at the recording `quality` of its record that counted `recordedSamples`.
// Nothing when the file cannot be read, holds more than 250000 8-bit or
// 3000000 16-bit samples, or is not the recording its record describes: its
// header is not the one this program writes for that quality and length, or
// it holds no sample although the record counted some. Samples read under
// another quality would be drawn as full-scale noise.
std::optional<RecordingLevels> ReadEntrantRecording(const QString& path, RecordingQuality quality, int32_t recordedSamples);
