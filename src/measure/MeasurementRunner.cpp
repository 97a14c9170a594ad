#include "measure/MeasurementRunner.h"

#include "audio/SoundSlots.h"
#include "core/Waits.h"
#include "widgets/ContestSession.h"

#include <algorithm>

MeasurementRunner::MeasurementRunner(ContestSession& context, std::unique_ptr<SoundRecorder> recorder, WaitClock& clock)
    : Context(context), Run(clock), Sound(context, clock, std::move(recorder))
{
    connect(&Sound, &MeasurementAudio::gaugeResetDue, this, [this] { emit gaugeShown(-1); });
    connect(&Run, &PacedRun::ended, this, [this](PacedRun::Outcome outcome) { End(outcome); });
    connect(&Sound, &MeasurementAudio::scoreReady, this, [this] {
        ScoreAnnounced = true;
        Run.Resume();
    });
    // The program ending abandons the run where it stands.
    connect(&context, &ContestSession::endRequested, this, [this] { abandon(); });
    RemainingStartSound = [this] { return Sound.RemainingSoundMs(); };
}

void MeasurementRunner::SetStartSoundClock(std::function<qint64()> remaining)
{
    RemainingStartSound = std::move(remaining);
}

void MeasurementRunner::start()
{
    if (Current != Waiting || Run.Running())
        return;
    Take = NextTake(Context);
    Score.reset();
    ScoreAnnounced = false;
    Enter(Ready);
    Sound.PlaySoundSlot(StartSound);
    Run.Start(Joined({ReadySteps(), MeasuringSteps()}));
}

std::vector<PacedStep> MeasurementRunner::ReadySteps()
{
    PacedStep soundStarts = [this] {
        emit gaugeShown(-1);
        PhaseStart = Run.Milliseconds();
        return Pace::Next();
    };
    return Joined({Sound.Prepare(Take), {soundStarts, [this] { return AwaitStartSound(); }}});
}

std::vector<PacedStep> MeasurementRunner::MeasuringSteps()
{
    PacedStep measuring = [this] {
        Enter(Measuring);
        return Pace::Next();
    };
    PacedStep recordingStarts = [this] {
        PhaseStart = Run.Milliseconds();
        GaugeDue.reset();
        return Pace::Next();
    };
    // The device is given one more second to finish its fixed-length
    // recording.
    PacedStep lastSecond = [this] {
        emit gaugeShown(100);
        return Pace::Next(SecondsWaitMs(1, Run.SecondsSinceMidnight()));
    };
    PacedStep stopSound = [this] {
        Sound.PlaySoundSlot(StopSound);
        return Pace::Next();
    };
    return Joined({{measuring},
                   Sound.Start(),
                   {recordingStarts, [this] { return FillGauge(); }, lastSecond},
                   Sound.Finish(),
                   {stopSound, [this] { return AwaitScore(); }}});
}

Pace MeasurementRunner::AwaitStartSound()
{
    const int startWait = Context.Settings.Basic.StartWaitTenths;
    const qint64 longest = Sound.SoundLength() + StartSoundMarginMs;
    const qint64 remaining = Run.Milliseconds() - PhaseStart > longest ? 0 : RemainingStartSound();
    switch (DecideReady(startWait, remaining)) {
    case ReadyAction::StartRecording:
        return Pace::Next();
    case ReadyAction::StartAfterWait:
        return Pace::Next(WaitOf(startWait * 100));
    case ReadyAction::KeepWaiting:
        break;
    }
    return Pace::Again(WaitOf(5));
}

// Each pass takes the elapsed time, waits 50 ms, then shows the gauge; the
// pass that finds the measurement time reached is the last.
Pace MeasurementRunner::FillGauge()
{
    const int seconds = Take.MeasureSeconds;
    if (GaugeDue) {
        emit gaugeShown(GaugeDue->first);
        if (GaugeDue->second >= seconds)
            return Pace::Next();
    }
    const double elapsed = (Run.Milliseconds() - PhaseStart) / 1000.0;
    GaugeDue = std::make_pair(GaugePercent(elapsed, std::max(seconds, 1)), elapsed);
    return Pace::Again(WaitOf(50));
}

// The recording is scored on a thread of its own while the device closes.
Pace MeasurementRunner::AwaitScore()
{
    if (!ScoreAnnounced)
        return Pace::Hold();
    Score = Sound.SavedRecordingScore();
    return Pace::Next();
}

void MeasurementRunner::abandon()
{
    if (Run.Running()) {
        Sound.AbortRecording();
        Run.Abandon();
    }
    // A take measured but not yet shown is dropped with the screen.
    Current = Waiting;
}

void MeasurementRunner::End(PacedRun::Outcome outcome)
{
    MeasurementOutcome told;
    told.Failures = Sound.Failures();
    switch (outcome) {
    case PacedRun::Outcome::Completed:
        told.Ended = MeasurementOutcome::Kind::Measured;
        Take.Result = Score->Score;
        Take.Level = Score->Level;
        told.Entrant = Take;
        if (Context.Settings.Basic.PauseAtStop)
            Enter(Stopped);
        break;
    case PacedRun::Outcome::Failed:
        Sound.AbortRecording();
        told.Ended = std::any_of(told.Failures.begin(), told.Failures.end(), IsStepFailure) ? MeasurementOutcome::Kind::Failed
                                                                                             : MeasurementOutcome::Kind::DeviceFailed;
        Enter(Waiting);
        break;
    case PacedRun::Outcome::Abandoned:
        told.Failures.clear();
        Current = Waiting;
        break;
    }
    emit finished(told);
}

void MeasurementRunner::resultShown()
{
    if (Current == Measuring || Current == Stopped)
        Enter(Waiting);
}

void MeasurementRunner::closePlayer()
{
    Sound.ClosePlayer();
}

void MeasurementRunner::Enter(ScreenState state)
{
    Current = state;
    emit stateChanged(state);
}
