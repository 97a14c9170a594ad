// One score sheet of a 30-second 48 kHz entrant written as the PDF file a
// print job spools, with the graph drawn per device column and, for
// comparison, one line per sample: time per sheet and the file's size.
#include "report/ScoreSheetDrawing.h"
#include "support/ScoreSheetEntrants.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

ScoreSheet ThirtySecondSheet()
{
    ScoreSheet sheet;
    sheet.EntryNo = 12;
    sheet.Title = QStringLiteral("おおごえ大会");
    sheet.MeasureSeconds = 30;
    sheet.MeasuredAt = QStringLiteral("2024/05/06 07:08:09");
    sheet.TotalPoints = 870;
    sheet.MaxPoints = 619;
    sheet.IntegPoints = 251;
    sheet.Quality = RecordingQuality::High;
    sheet.NoiseCutLevel = 10;
    sheet.Levels = SampleLevels(ShoutSamples(2, 30), SampleWidth::Bits16);
    return sheet;
}

void SpoolSheet(benchmark::State& state, WaveformDrawer drawWaveform)
{
    static const ScoreSheet sheet = ThirtySecondSheet();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(static_cast<int>(state.range(0)));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
        QPainter painter(&printer);
        DrawScoreSheet(painter, sheet, drawWaveform);
        painter.end();
    }
    state.counters["spooled_KB"] = QFileInfo(path).size() / 1024.0;
    state.counters["samples"] = static_cast<double>(sheet.Levels.size());
}

void PerColumn(benchmark::State& state)
{
    SpoolSheet(state, DrawWaveform);
}

void PerSample(benchmark::State& state)
{
    SpoolSheet(state, DrawWaveformPerSample);
}

}

BENCHMARK(PerColumn)->Arg(300)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond);
BENCHMARK(PerSample)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(1);
