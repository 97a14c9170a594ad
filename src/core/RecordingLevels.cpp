#include "core/RecordingLevels.h"

#include "core/RecordingFile.h"
#include "core/WavHeader.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qint64 MaxBytes8 = 250000;
constexpr qint64 MaxSamples16 = 3000000;

}

std::vector<int16_t> SampleLevels(const QByteArray& data, SampleWidth width)
{
    std::vector<int16_t> levels;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    if (width == SampleWidth::Bits8) {
        levels.resize(static_cast<size_t>(data.size()));
        for (size_t i = 0; i < levels.size(); ++i)
            levels[i] = static_cast<int16_t>(bytes[i] - 128);
    } else {
        levels.resize(static_cast<size_t>(data.size() / 2));
        for (size_t i = 0; i < levels.size(); ++i)
            levels[i] = qFromLittleEndian<int16_t>(bytes + 2 * i);
    }
    return levels;
}

std::optional<RecordingLevels> ReadEntrantRecording(const QString& path, RecordingQuality quality, int32_t recordedSamples)
{
    if (!IsKnownQuality(quality))
        return std::nullopt;
    const RecordingFormat format = RecordingFormatOf(quality);
    const SampleWidth width = format.BitsPerSample == 8 ? SampleWidth::Bits8 : SampleWidth::Bits16;
    // The sample count of 16-bit data is its byte count halved, halves to
    // even: one odd byte more than twice the limit still fits.
    const qint64 maxBytes = RecordingHeaderSize + (width == SampleWidth::Bits8 ? MaxBytes8 : 2 * MaxSamples16 + 1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size() || !HasRecordingHeader(bytes, format.SampleRate, format.BitsPerSample))
        return std::nullopt;
    const QByteArray data = bytes.mid(RecordingHeaderSize);
    if (data.isEmpty() && recordedSamples > 0)
        return std::nullopt;
    return RecordingLevels{SampleLevels(data, width), width};
}
