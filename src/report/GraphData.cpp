#include "report/GraphData.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "widgets/WaveformDrawing.h"
#include "widgets/ContestSession.h"


namespace {

constexpr qint64 MaxSamples8 = 250000;
constexpr qint64 MaxSamples16 = 30000000;

std::vector<int16_t> LoadGraphData(ContestSession& context, int entryNo, SampleWidth width, qint64 maxSamples)
{
    // An odd last byte of 16-bit data is no sample of its own.
    const qint64 maxBytes = width == SampleWidth::Bits8 ? maxSamples : 2 * maxSamples + 1;
    if (const std::optional<QByteArray> data = ReadRecordingData(context.Folder.FilePath(RecordingFileName(entryNo)), maxBytes))
        return SampleLevels(*data, width);
    context.Messages.Inform(QStringLiteral("音声データが不正です。(%1)\nフォルダおよびファイルを確認してください！").arg(entryNo),
                            MessageIcon::Warning);
    return {};
}

}

std::vector<int16_t> LoadGraphData8(ContestSession& context, int entryNo)
{
    return LoadGraphData(context, entryNo, SampleWidth::Bits8, MaxSamples8);
}

std::vector<int16_t> LoadGraphData16(ContestSession& context, int entryNo)
{
    return LoadGraphData(context, entryNo, SampleWidth::Bits16, MaxSamples16);
}
