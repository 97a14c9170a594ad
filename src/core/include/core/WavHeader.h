#pragma once

#include "core/SoundRecorder.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// Recording files: mono PCM WAV with a fixed 46-byte header (an 18-byte
// format chunk whose extension size is 0) followed directly by the samples.
constexpr int RecordingHeaderSize = 46;

// The 46-byte header for `dataBytes` bytes of samples.
QByteArray MakeRecordingHeader(uint32_t sampleRate, uint16_t bitsPerSample, uint32_t dataBytes);

// Whether `bytes` start with exactly the header this program writes for that
// format and the bytes that follow it.
bool HasRecordingHeader(const QByteArray& bytes, uint32_t sampleRate, uint16_t bitsPerSample);

// The format of a mono PCM WAV file the device can record into, whatever the
// layout of its chunks; nothing when the file is not one.
std::optional<PcmFormat> ReadRecordableFormat(const QString& path);
