#include "core/RecordingFile.h"

#include <QFile>

QString RecordingFileName(int entryNo)
{
    return QStringLiteral("xx") + (QStringLiteral("0000") + QString::number(entryNo)).right(4) + QStringLiteral(".wav");
}

namespace {

constexpr qint64 MaxBytes8 = 250000;
constexpr qint64 MaxSamples16 = 3000000;

}

std::optional<QByteArray> ReadRecordingSamples(const QString& path, RecordingQuality quality)
{
    if (!IsKnownQuality(quality))
        return std::nullopt;
    const RecordingFormat format = RecordingFormatOf(quality);
    // The sample count of 16-bit data is its byte count halved, halves to
    // even: one odd byte more than twice the limit still fits.
    const qint64 maxBytes = format.BitsPerSample == 8 ? MaxBytes8 : 2 * MaxSamples16 + 1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 dataBytes = file.size() - RecordingHeaderSize;
    if (dataBytes < 0 || dataBytes > maxBytes ||
        file.read(RecordingHeaderSize) != MakeRecordingHeader(format.SampleRate, format.BitsPerSample, uint32_t(dataBytes)))
        return std::nullopt;
    QByteArray data = file.read(dataBytes);
    if (data.size() != dataBytes)
        return std::nullopt;
    return data;
}

RecordingFormat RecordingFormatOf(RecordingQuality quality)
{
    switch (quality) {
    case RecordingQuality::Middle:
        return {16000, 16, "mksrc16.wav"};
    case RecordingQuality::High:
        return {48000, 16, "mksrc48.wav"};
    default:
        return {8000, 8, "mksrc.wav"};
    }
}
