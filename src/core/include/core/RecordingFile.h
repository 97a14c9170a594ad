#pragma once

#include "core/RecordingQuality.h"
#include "core/WavHeader.h"

#include <QString>
#include <cstdint>
#include <optional>

// "xx0007.wav" for entry 7.
QString RecordingFileName(int entryNo);

// The sample bytes of an entrant's recording made at `quality`: all that
// follows its 46-byte header, empty when nothing does. Nothing when the file
// cannot be read whole, does not start with the header this program writes
// for the quality, or holds more than the graphs and levels take (250 000
// samples at 8 bits, 3 000 000 at 16 bits, more than 30 s at either).
std::optional<QByteArray> ReadRecordingSamples(const QString& path, RecordingQuality quality);

// Recording qualities of the microphone settings.
struct RecordingFormat {
    uint32_t SampleRate;
    uint16_t BitsPerSample;
    const char* TemplateName;
};
RecordingFormat RecordingFormatOf(RecordingQuality quality);
