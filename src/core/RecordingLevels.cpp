#include "core/RecordingLevels.h"

#include "core/RecordingFile.h"

#include <QtEndian>

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
    const std::optional<QByteArray> data = ReadRecordingSamples(path, quality);
    if (!data || (data->isEmpty() && recordedSamples > 0))
        return std::nullopt;
    return RecordingLevels{SampleLevels(*data, SampleWidthOf(quality)), SampleWidthOf(quality)};
}
