#include "measure/MeasurementRunner.h"

#include "core/ContestOperations.h"
#include "widgets/ContestSession.h"
#include "widgets/OperatorMessages.h"

#include <algorithm>

MeasurementRunner::MeasurementRunner(ContestSession& context, std::unique_ptr<SoundRecorder> recorder, WaitClock& clock)
    : Context(context), Steps(clock, [&context] { return context.EndRequested(); }), Sound(context, Steps, std::move(recorder))
{
    connect(&Sound, &MeasurementAudio::gaugeResetDue, this, [this] { emit gaugeShown(-1); });
    RemainingStartSound = [this] { return Sound.RemainingSoundMs(); };
}

void MeasurementRunner::SetStartSoundClock(std::function<qint64()> remaining)
{
    RemainingStartSound = std::move(remaining);
}

MeasurementRunner::Result MeasurementRunner::Run()
{
    Scored.reset();
    StepItselfFailed = false;
    switch (Steps.Run({[this] { return Prepare(); }, [this] { return AwaitStartSound(); }, [this] { return Record(); },
                       [this] { return Finish(); }, [this] { return Analyse(); }})) {
    case StepRunner::Outcome::Completed:
        return {Outcome::Measured, Scored};
    case StepRunner::Outcome::Failed:
        Sound.AbortRecording();
        return {StepItselfFailed ? Outcome::Failed : Outcome::DeviceFailed, std::nullopt};
    case StepRunner::Outcome::Abandoned:
        break;
    }
    return {Outcome::Abandoned, std::nullopt};
}

void MeasurementRunner::Abandon()
{
    if (!Steps.Running())
        return;
    Steps.Abandon();
    Sound.AbortRecording();
}

bool MeasurementRunner::Prepare()
{
    emit stateEntered(Ready);
    Sound.PlaySoundSlot(StartSound);
    return Went(Sound.RecordingStep(1));
}

bool MeasurementRunner::AwaitStartSound()
{
    emit gaugeShown(-1);
    const int startWait = Context.Settings.Basic.StartWaitTenths;
    const qint64 start = Steps.Milliseconds();
    const qint64 longest = Sound.SoundLength() + StartSoundMarginMs;
    for (;;) {
        const qint64 remaining = Steps.Milliseconds() - start > longest ? 0 : RemainingStartSound();
        switch (DecideReady(startWait, remaining)) {
        case ReadyAction::StartRecording:
            return true;
        case ReadyAction::StartAfterWait:
            return Steps.Wait(startWait * 100);
        case ReadyAction::KeepWaiting:
            if (!Steps.Wait(5))
                return false;
            break;
        }
    }
}

bool MeasurementRunner::Record()
{
    emit stateEntered(Measuring);
    if (!Went(Sound.RecordingStep(2)))
        return false;
    const int seconds = Context.Settings.Basic.MeasureSeconds;
    const qint64 start = Steps.Milliseconds();
    for (;;) {
        const double elapsed = (Steps.Milliseconds() - start) / 1000.0;
        if (!Steps.Wait(50))
            return false;
        emit gaugeShown(GaugePercent(elapsed, std::max(seconds, 1)));
        if (elapsed >= seconds)
            return true;
    }
}

// The device is given one more second to finish its fixed-length recording.
bool MeasurementRunner::Finish()
{
    emit gaugeShown(100);
    if (!Steps.WaitSeconds(1))
        return false;
    if (!Went(Sound.RecordingStep(3)))
        return false;
    Sound.PlaySoundSlot(StopSound);
    return true;
}

bool MeasurementRunner::Analyse()
{
    Scored = MeasuredNow(Context, Context.Contest.EntryNo, Sound.SavedRecordingScore());
    return true;
}

bool MeasurementRunner::Went(const AudioStep& step)
{
    if (!step.Done)
        StepItselfFailed = std::any_of(step.Failures.begin(), step.Failures.end(), IsStepFailure);
    return Succeeded(Context.Messages, step);
}
