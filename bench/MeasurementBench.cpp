// The measurement screen's own costs: the way from the end of the finishing
// wait to the result display on screen after a 30-second recording at
// 48 kHz, against scoring that recording, and the processor time of the
// user-interface process while a 30-second measurement runs.
#include "widgets/ContestSession.h"
#include "core/LoudnessAnalysis.h"
#include "measure/MeasurementScreen.h"
#include "core/RecordingFile.h"
#include "results/ResultDisplay.h"
#include "core/SettingsStore.h"
#include "support/FakeRecorder.h"
#include "ScreenRun.h"
#include "ShoutSignal.h"
#include "support/FakeClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>
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

// Hands out the whole shout at once, as the microphone's recorder hands out
// what it captured; tells when the device stops it.
class ShoutRecorder : public SoundRecorder {
public:
    ShoutRecorder(const RecordingFormat& format, std::function<void()> stopped)
        : Shout(ShoutSamples(format.SampleRate, format.BitsPerSample, format.SampleRate * 30)), Stopped(std::move(stopped))
    {
    }

    bool Start(const PcmFormat&, int64_t) override { return true; }
    void Stop() override { Stopped(); }
    bool IsRecording() const override { return false; }
    QByteArray Samples() const override { return Shout; }

private:
    QByteArray Shout;
    std::function<void()> Stopped;
};

// Processor time of the calling thread.
double ThreadProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall and processor time.
struct Spent {
    double WallSeconds = 0;
    double ProcessorSeconds = 0;

    Spent& operator+=(const Spent& other)
    {
        WallSeconds += other.WallSeconds;
        ProcessorSeconds += other.ProcessorSeconds;
        return *this;
    }
};

// One scoring of the 16-bit recording at `path`, the mean of a few.
Spent TimeScoring(const QString& path, int noiseCutLevel)
{
    constexpr int Runs = 5;
    QElapsedTimer wall;
    wall.start();
    const double processorBefore = ThreadProcessorSeconds();
    for (int run = 0; run < Runs; ++run)
        benchmark::DoNotOptimize(ScoreRecordingFile(path, SampleWidth::Bits16, noiseCutLevel));
    return {double(wall.nsecsElapsed()) / 1e9 / Runs, (ThreadProcessorSeconds() - processorBefore) / Runs};
}

// From the end of the finishing wait to the result display on screen,
// through the press on the band and the screen's signal as in the contest
// (counter paused_ms: the prescribed pauses on the way, on a clock of the
// benchmark's, which takes no time), against scoring the saved recording
// alone (scoring_ms; the same work as BM_ScoreRecording/48000) measured in
// the same iteration. The run scores on a thread of its own while the
// device closes. processor_ms is the processor time of all the program's
// threads on the way; computing_ratio_to_scoring compares it with the
// processor time of the scoring. Most of what it holds beyond the scoring is
// the system copying the 2.9 MB recording into the file cache; the rest of
// the wall time the program waits for the disk (or for the processor, on a
// busy machine).
void BM_FinishingToResultOnScreen(benchmark::State& state)
{
    Contest contest;
    contest.Context.Settings.Basic.PauseAtStop = false;
    SaveBasicSettings(contest.Context);
    FakeClock clock;
    QElapsedTimer wall;
    double processorBefore = 0;
    qint64 stoppedAt = 0;
    MeasurementScreen screen(contest.Context, nullptr,
                             std::make_unique<ShoutRecorder>(RecordingFormatOf(contest.Context.Settings.Mic.Quality),
                                                             [&] {
                                                                 // The stop command; save and close stop again.
                                                                 if (wall.isValid())
                                                                     return;
                                                                 wall.start();
                                                                 processorBefore = ProcessorSeconds();
                                                                 stoppedAt = clock.Now;
                                                             }),
                             ListAudioInputs, clock);
    screen.show();
    const int noiseCutLevel = contest.Context.Settings.Mic.NoiseCutLevel;
    MeasureResult scored;
    Spent finishing;
    Spent scoring;
    double pausedMs = 0;
    for (auto _ : state) {
        ResultDisplay result(contest.Context);
        PaintWatch watch;
        result.installEventFilter(&watch);
        const QMetaObject::Connection shown =
            QObject::connect(&screen, &MeasurementScreen::resultDisplayRequested, [&result, &scored](const MeasuredEntrant& entrant) {
                scored = entrant.Result;
                result.SetEntrant(entrant);
                result.show();
            });
        wall.invalidate();
        PressBand(screen);
        clock.RunUntil([&watch] { return watch.Painted; });
        const Spent span{double(wall.nsecsElapsed()) / 1e9, ProcessorSeconds() - processorBefore};
        state.SetIterationTime(span.WallSeconds);
        finishing += span;
        pausedMs += double(clock.Now - stoppedAt);
        QObject::disconnect(shown);
        result.hide();
        screen.resultDisplayClosed();

        scoring += TimeScoring(contest.Context.Folder.FilePath(RecordingFileName(contest.Context.Contest.EntryNo)), noiseCutLevel);
    }
    state.counters["samples"] = double(scored.SampleCount);
    const auto iterations = double(state.iterations());
    state.counters["paused_ms"] = pausedMs / iterations;
    state.counters["processor_ms"] = 1000 * finishing.ProcessorSeconds / iterations;
    state.counters["scoring_ms"] = 1000 * scoring.WallSeconds / iterations;
    state.counters["ratio_to_scoring"] = finishing.WallSeconds / scoring.WallSeconds;
    state.counters["computing_ratio_to_scoring"] = finishing.ProcessorSeconds / scoring.ProcessorSeconds;
}
BENCHMARK(BM_FinishingToResultOnScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

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
        MeasureOnce(screen);
        share = (ProcessorSeconds() - processorBefore) / (wall.elapsed() / 1000.0);
    }
    state.counters["processor_percent"] = 100 * share;
    state.SetLabel(state.range(0) == BarGauge ? "bar gauge" : "circle gauge");
}
BENCHMARK(BM_MeasurementProcessorShare)->Arg(BarGauge)->Arg(CircleGauge)->Unit(benchmark::kSecond)->Iterations(1);

}
