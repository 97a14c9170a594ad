#pragma once

#include "core/RecordingQuality.h"
#include "core/WavHeader.h"

#include <QString>
#include <cstdint>
#include <optional>

// "xx0007.wav" for entry 7.
QString RecordingFileName(int entryNo);

// The sample bytes of a recording: all that follows its 46-byte header,
// empty when nothing does. Nothing when the file cannot be read whole or its
// samples take more than `maxBytes`.
std::optional<QByteArray> ReadRecordingData(const QString& path, qint64 maxBytes);

// Recording qualities of the microphone settings.
struct RecordingFormat {
    uint32_t SampleRate;
    uint16_t BitsPerSample;
    const char* TemplateName;
};
RecordingFormat RecordingFormatOf(RecordingQuality quality);
