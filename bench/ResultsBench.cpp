// The result windows' costs: the score monitor's picture of one entrant of
// 30 seconds at 48 kHz at 1920×1080, per pixel column against one line per
// sample, and the ranking board opening on 3000 entrants, ranking pass
// included.
#include "results/LoudnessGraph.h"
#include "results/RankingBoard.h"
#include "widgets/ContestSession.h"
#include "core/ResultRecord.h"
#include "core/SettingsStore.h"
#include "support/SpokenRecording.h"
#include "FullLog.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class AnswerYes : public MessageBoxService {
public:
    MessageAnswer Show(const QString&, const QString&, MessageIcon, MessageButtons) override { return MessageAnswer::Yes; }
};

const RecordingLevels& SpokenEntrant()
{
    static const RecordingLevels levels{
        SampleLevels(SpokenRecordingFile(2, 30).mid(RecordingHeaderSize), SampleWidth::Bits16), SampleWidth::Bits16};
    return levels;
}

// The whole picture of an entrant as the score monitor draws it.
void BM_ScoreMonitorPicture(benchmark::State& state)
{
    const bool perSample = state.range(0) != 0;
    const RecordingLevels& recording = SpokenEntrant();
    const QSize size(1920, 1080);
    const GraphLook look{false, 10, 30};
    QImage picture(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&picture);
        DrawGraphFrame(painter, size, look);
        DrawGraphScale(painter, size, look);
        DrawGraphWaveform(painter, size, look, recording, perSample ? DrawWaveformPerSample : DrawWaveform);
    }
    state.counters["samples"] = double(recording.Levels.size());
    state.SetLabel(perSample ? "one line per sample" : "per pixel column");
}
BENCHMARK(BM_ScoreMonitorPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RankingBoardOpening(benchmark::State& state)
{
    QTemporaryDir folder;
    AnswerYes answers;
    ContestSession context(folder.path(), answers);
    ResetToFactorySettings(context);
    WriteFullLog(context.LogPath());
    RankingBoard board(context);
    for (auto _ : state) {
        board.show();
        state.PauseTiming();
        board.close();
        state.ResumeTiming();
    }
    state.counters["pages"] = board.LastPage();
}
BENCHMARK(BM_RankingBoardOpening)->Unit(benchmark::kMillisecond);

}
