#include "core/WavHeader.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

bool IsSupportedRate(uint32_t rate)
{
    static constexpr std::array<uint32_t, 7> rates = {8000, 11025, 16000, 22050, 32000, 44100, 48000};
    return std::find(rates.begin(), rates.end(), rate) != rates.end();
}

uint32_t Read32(const char* data)
{
    return qFromLittleEndian<uint32_t>(data);
}

uint16_t Read16(const char* data)
{
    return qFromLittleEndian<uint16_t>(data);
}

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

bool HasRecordingHeader(const QByteArray& bytes, uint32_t sampleRate, uint16_t bitsPerSample)
{
    if (bytes.size() < RecordingHeaderSize)
        return false;
    const auto dataBytes = static_cast<uint32_t>(bytes.size() - RecordingHeaderSize);
    return bytes.startsWith(MakeRecordingHeader(sampleRate, bitsPerSample, dataBytes));
}

std::optional<PcmFormat> ReadRecordableFormat(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<PcmFormat> format;
    // Chunks are walked up to the sample data; a file without one is no WAV.
    for (int chunk = 0; chunk < 64; ++chunk) {
        const QByteArray head = file.read(8);
        if (head.size() != 8)
            return std::nullopt;
        const uint32_t size = Read32(head.constData() + 4);
        if (head.startsWith("data"))
            return format;
        if (head.startsWith("fmt ")) {
            const QByteArray body = file.read(std::min<uint32_t>(size, 64));
            if (body.size() < 16)
                return std::nullopt;
            const uint16_t tag = Read16(body.constData());
            const uint16_t channels = Read16(body.constData() + 2);
            const uint32_t rate = Read32(body.constData() + 4);
            const uint16_t align = Read16(body.constData() + 12);
            const uint16_t bits = Read16(body.constData() + 14);
            if (tag != 1 || channels != 1 || !IsSupportedRate(rate) || (bits != 8 && bits != 16) || align != bits / 8)
                return std::nullopt;
            format = PcmFormat{static_cast<int>(rate), bits};
            if (!file.seek(file.pos() - body.size()))
                return std::nullopt;
        }
        // Chunks are padded to an even size.
        if (!file.seek(file.pos() + qint64(size) + (size & 1)))
            return std::nullopt;
    }
    return std::nullopt;
}

