#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Recording files: mono PCM WAV with a fixed 46-byte header (an 18-byte
// format chunk whose extension size is 0) followed directly by the samples.
constexpr int RecordingHeaderSize = 46;

// "xx0007.wav" for entry 7.
QString RecordingFileName(int entryNo);

// The 46-byte header for `dataBytes` bytes of samples.
QByteArray MakeRecordingHeader(uint32_t sampleRate, uint16_t bitsPerSample, uint32_t dataBytes);

// Recording qualities of the microphone settings.
struct RecordingFormat {
    uint32_t SampleRate;
    uint16_t BitsPerSample;
    const char* TemplateName;
};
RecordingFormat RecordingFormatOf(int quality);
