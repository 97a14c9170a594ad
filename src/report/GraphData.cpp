#include "report/GraphData.h"

#include "measure/LoudnessAnalysis.h"
#include "measure/RecordingFile.h"
#include "measure/WaveformDrawing.h"
#include "store/ContestState.h"

#include <QFile>

namespace {

constexpr qint64 HeaderBytes = 46;
constexpr qint64 MaxSamples8 = 250000;
constexpr qint64 MaxSamples16 = 30000000;

std::vector<int16_t> LoadGraphData(ContestState& context, int entryNo, SampleWidth width, qint64 maxSamples)
{
    const qint64 bytesPerSample = width == SampleWidth::Bits8 ? 1 : 2;
    QFile file(context.Folder.FilePath(RecordingFileName(entryNo)));
    if (file.open(QIODevice::ReadOnly)) {
        const qint64 dataBytes = file.size() - HeaderBytes;
        if (dataBytes <= 0)
            return {};
        if (dataBytes / bytesPerSample <= maxSamples && file.seek(HeaderBytes)) {
            const QByteArray data = file.read(dataBytes);
            if (data.size() == dataBytes)
                return SampleLevels(data, width);
        }
    }
    context.Messages.Inform(QStringLiteral("音声データが不正です。(%1)\nフォルダおよびファイルを確認してください！").arg(entryNo),
                            MessageIcon::Warning);
    return {};
}

}

std::vector<int16_t> LoadGraphData8(ContestState& context, int entryNo)
{
    return LoadGraphData(context, entryNo, SampleWidth::Bits8, MaxSamples8);
}

std::vector<int16_t> LoadGraphData16(ContestState& context, int entryNo)
{
    return LoadGraphData(context, entryNo, SampleWidth::Bits16, MaxSamples16);
}
