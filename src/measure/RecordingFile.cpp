#include "measure/RecordingFile.h"

#include <QtEndian>

QString RecordingFileName(int entryNo)
{
    return QStringLiteral("xx") + (QStringLiteral("0000") + QString::number(entryNo)).right(4) + QStringLiteral(".wav");
}

QByteArray MakeRecordingHeader(uint32_t sampleRate, uint16_t bitsPerSample, uint32_t dataBytes)
{
    const uint16_t blockAlign = bitsPerSample / 8;
    QByteArray header;
    header.reserve(RecordingHeaderSize);
    const auto put32 = [&header](uint32_t value) { header.append(reinterpret_cast<const char*>(&(value = qToLittleEndian(value))), 4); };
    const auto put16 = [&header](uint16_t value) { header.append(reinterpret_cast<const char*>(&(value = qToLittleEndian(value))), 2); };
    header.append("RIFF", 4);
    put32(RecordingHeaderSize - 8 + dataBytes);
    header.append("WAVEfmt ", 8);
    put32(18);
    put16(1);
    put16(1);
    put32(sampleRate);
    put32(sampleRate * blockAlign);
    put16(blockAlign);
    put16(bitsPerSample);
    put16(0);
    header.append("data", 4);
    put32(dataBytes);
    return header;
}

RecordingFormat RecordingFormatOf(int quality)
{
    switch (quality) {
    case 1:
        return {16000, 16, "mksrc16.wav"};
    case 2:
        return {48000, 16, "mksrc48.wav"};
    default:
        return {8000, 8, "mksrc.wav"};
    }
}
