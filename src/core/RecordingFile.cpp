#include "core/RecordingFile.h"

#include <QFile>

QString RecordingFileName(int entryNo)
{
    return QStringLiteral("xx") + (QStringLiteral("0000") + QString::number(entryNo)).right(4) + QStringLiteral(".wav");
}

std::optional<QByteArray> ReadRecordingData(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 dataBytes = file.size() - RecordingHeaderSize;
    if (dataBytes <= 0)
        return QByteArray();
    if (dataBytes > maxBytes || !file.seek(RecordingHeaderSize))
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
