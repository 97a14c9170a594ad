#pragma once

#include "platform/WavHeader.h"

#include <QString>
#include <cstdint>

// "xx0007.wav" for entry 7.
QString RecordingFileName(int entryNo);

// Recording qualities of the microphone settings.
struct RecordingFormat {
    uint32_t SampleRate;
    uint16_t BitsPerSample;
    const char* TemplateName;
};
RecordingFormat RecordingFormatOf(int quality);
