// The measurement screen's own costs: the way from the end of the finishing
// wait to the result display on screen after a 30-second recording at
// 48 kHz, and the processor time of the user-interface process while a
// 30-second measurement runs.
#include "widgets/ContestSession.h"
#include "core/LoudnessAnalysis.h"
#include "measure/MeasurementScreen.h"
#include "core/RecordingFile.h"
#include "results/ResultDisplay.h"
#include "core/SettingsStore.h"
#include "support/FakeRecorder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

class AnswerYes : public MessageBoxService {
public:
    MessageAnswer Show(const QString&, const QString&, MessageIcon, MessageButtons) override { return MessageAnswer::Yes; }
};

// A program folder with factory settings, sounds off, 48 kHz and 30 seconds.
class Contest {
public:
    Contest() : Context(Folder.path(), Answers)
    {
        ResetToFactorySettings(Context);
        Context.Settings.Basic.SoundOn = false;
        Context.Settings.Basic.MeasureSeconds = 30;
        Context.Settings.Basic.PauseAtStop = true;
        SaveBasicSettings(Context);
        Context.Settings.Mic.Quality = RecordingQuality::High;
        SaveMicSettings(Context);
        const RecordingFormat format = RecordingFormatOf(RecordingQuality::High);
        QFile recordingTemplate(Folder.filePath(QLatin1String(format.TemplateName)));
        recordingTemplate.open(QIODevice::WriteOnly);
        recordingTemplate.write(MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
    }

    QTemporaryDir Folder;
    AnswerYes Answers;
    ContestSession Context;
    FakeRecorder::Log Recorder;
};

// Sees the first paint of a window.
class PaintWatch : public QObject {
public:
    bool Painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Painted = Painted || event->type() == QEvent::Paint;
        return false;
    }
};

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_FinishingToResultOnScreen(benchmark::State& state)
{
    Contest contest;
    MeasurementScreen screen(contest.Context, nullptr, std::make_unique<FakeRecorder>(contest.Recorder));
    screen.show();
    MeasureResult scored;
    for (auto _ : state) {
        state.PauseTiming();
        screen.Runner().Audio().RecordingStep(1);
        screen.Runner().Audio().RecordingStep(2);
        ResultDisplay result(contest.Context);
        PaintWatch watch;
        result.installEventFilter(&watch);
        state.ResumeTiming();

        screen.Runner().Audio().RecordingStep(3);
        screen.Runner().Audio().PlaySoundSlot(StopSound);
        const int entryNo = contest.Context.Contest.EntryNo;
        scored = ScoreRecordingFile(contest.Context.Folder.FilePath(RecordingFileName(entryNo)), SampleWidth::Bits16,
                                    contest.Context.Settings.Mic.NoiseCutLevel);
        result.SetEntrant({entryNo, scored});
        result.show();
        while (!watch.Painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

        state.PauseTiming();
        result.hide();
        state.ResumeTiming();
    }
    state.counters["samples"] = double(scored.SampleCount);
}
BENCHMARK(BM_FinishingToResultOnScreen)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MeasurementProcessorShare(benchmark::State& state)
{
    Contest contest;
    contest.Context.Settings.Screen = ScreenSettings::Factory();
    contest.Context.Settings.Screen.GaugeStyle = static_cast<int16_t>(state.range(0));
    SaveScreenSettings(contest.Context);
    MeasurementScreen screen(contest.Context, nullptr, std::make_unique<FakeRecorder>(contest.Recorder));
    screen.show();
    double share = 0;
    for (auto _ : state) {
        const double processorBefore = ProcessorSeconds();
        QElapsedTimer wall;
        wall.start();
        screen.Runner().Run();
        share = (ProcessorSeconds() - processorBefore) / (wall.elapsed() / 1000.0);
        screen.ShowState(Waiting);
    }
    state.counters["processor_percent"] = 100 * share;
    state.SetLabel(state.range(0) == BarGauge ? "bar gauge" : "circle gauge");
}
BENCHMARK(BM_MeasurementProcessorShare)->Arg(BarGauge)->Arg(CircleGauge)->Unit(benchmark::kSecond)->Iterations(1);

}
