#include "measure/MeasurementRunner.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "core/Waits.h"
#include "widgets/ContestSession.h"
#include "widgets/OperatorMessages.h"

#include <QElapsedTimer>
#include <algorithm>

MeasurementRunner::MeasurementRunner(ContestSession& context, std::unique_ptr<SoundRecorder> recorder)
    : Context(context), Sound(context, std::move(recorder))
{
    EnterState = [](ScreenState) {};
    ShowGauge = [](int) {};
    Sound.ResetGauge = [this] { ShowGauge(-1); };
    RemainingStartSound = [this] { return Sound.RemainingSoundMs(); };
}

MeasurementRunner::Result MeasurementRunner::Run()
{
    Running = true;
    AbandonRequested = false;
    Scored.reset();
    const Outcome outcome = RunSteps();
    Running = false;
    if (outcome == Outcome::Failed)
        Sound.AbortRecording();
    if (outcome != Outcome::Measured)
        return {outcome, std::nullopt};
    return {outcome, Scored};
}

// Every step processes events, any of which may abandon the run; the check
// after each step and in the run's own waits is the only one.
MeasurementRunner::Outcome MeasurementRunner::RunSteps()
{
    using Step = bool (MeasurementRunner::*)();
    static constexpr Step Steps[] = {&MeasurementRunner::Prepare, &MeasurementRunner::AwaitStartSound,
                                     &MeasurementRunner::Record, &MeasurementRunner::Finish, &MeasurementRunner::Analyse};
    for (const Step step : Steps) {
        const bool done = (this->*step)();
        if (Abandoned())
            return Outcome::Abandoned;
        if (!done)
            return Outcome::Failed;
    }
    return Outcome::Measured;
}

void MeasurementRunner::Abandon()
{
    if (!Running)
        return;
    AbandonRequested = true;
    Sound.AbortRecording();
}

bool MeasurementRunner::Abandoned() const
{
    return AbandonRequested || Context.EndRequested();
}

bool MeasurementRunner::Pause(int milliseconds)
{
    WaitMilliseconds(static_cast<int16_t>(std::min(milliseconds, 32767)));
    return !Abandoned();
}

bool MeasurementRunner::PauseSeconds(int seconds)
{
    WaitSeconds(static_cast<int16_t>(seconds));
    return !Abandoned();
}

bool MeasurementRunner::Prepare()
{
    EnterState(Ready);
    Sound.PlaySoundSlot(StartSound);
    return Succeeded(Context.Messages, Sound.RecordingStep(1));
}

bool MeasurementRunner::AwaitStartSound()
{
    ShowGauge(-1);
    const int startWait = Context.Settings.Basic.StartWaitTenths;
    QElapsedTimer waiting;
    waiting.start();
    const qint64 longest = Sound.SoundLength() + StartSoundMarginMs;
    for (;;) {
        const qint64 remaining = waiting.elapsed() > longest ? 0 : RemainingStartSound();
        switch (DecideReady(startWait, remaining)) {
        case ReadyAction::StartRecording:
            return true;
        case ReadyAction::StartAfterWait:
            return Pause(startWait * 100);
        case ReadyAction::KeepWaiting:
            if (!Pause(5))
                return false;
            break;
        }
    }
}

bool MeasurementRunner::Record()
{
    EnterState(Measuring);
    if (!Succeeded(Context.Messages, Sound.RecordingStep(2)))
        return false;
    const int seconds = Context.Settings.Basic.MeasureSeconds;
    QElapsedTimer recording;
    recording.start();
    for (;;) {
        const double elapsed = recording.elapsed() / 1000.0;
        if (!Pause(50))
            return false;
        ShowGauge(GaugePercent(elapsed, std::max(seconds, 1)));
        if (elapsed >= seconds)
            return true;
    }
}

// The device is given one more second to finish its fixed-length recording.
bool MeasurementRunner::Finish()
{
    ShowGauge(100);
    if (!PauseSeconds(1))
        return false;
    if (!Succeeded(Context.Messages, Sound.RecordingStep(3)))
        return false;
    Sound.PlaySoundSlot(StopSound);
    return true;
}

bool MeasurementRunner::Analyse()
{
    const int entryNo = Context.Contest.EntryNo;
    const MicSettings& mic = Context.Settings.Mic;
    Scored = MeasuredEntrant{entryNo, ScoreRecordingFile(Context.Folder.FilePath(RecordingFileName(entryNo)),
                                                         SampleWidthOf(mic.Quality), mic.NoiseCutLevel)};
    return true;
}
