#pragma once

#include "audio/MeasurementAudio.h"
#include "core/MeasureResult.h"
#include "core/PacedRun.h"
#include "measure/MeasurementRun.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class ContestSession;
class SoundRecorder;

// How a measurement ended.
struct MeasurementOutcome {
    enum class Kind {
        // Recorded and analysed: the entrant awaits the result display.
        Measured,
        // A recording step itself failed (the contest folder, the template):
        // nothing was scored, the device is closed, and the screen closes.
        Failed,
        // The device failed (a command's error, an input that went away or
        // never started, no sound server): nothing was scored, the device is
        // closed, and the entrant can be measured again.
        DeviceFailed,
        // Abandoned, or the program is ending: nothing more is to be shown.
        Abandoned,
    };
    Kind Ended = Kind::Abandoned;
    // The take the click fixed, with its score, when measured.
    std::optional<MeasuredEntrant> Entrant;
    // What went wrong on the way, for the window to tell; a device error
    // that did not stop the run is among them too.
    std::vector<AudioFailure> Failures;
};

// One entrant's measurement as a state machine that never blocks, from the
// press on the band to the scored recording: the ready state with the start
// sound and the start wait, the measuring state with the recording for the
// measurement time while the gauge fills, the stop sound and the analysis;
// then the stopped state when the screen pauses there, and the waiting state
// once the result display has closed. Every pause is a timer on the injected
// clock. It owns the screen's state and draws nothing: the measurement
// screen follows its signals, and tests run it without any window.
class MeasurementRunner : public QObject {
    Q_OBJECT
public:
    // Records from the microphone unless another recorder is given; times
    // its pauses on `clock`.
    explicit MeasurementRunner(ContestSession& context, std::unique_ptr<SoundRecorder> recorder = {},
                               WaitClock& clock = SystemClock());

    ScreenState State() const { return Current; }
    // How the sound server is asked for the input's volume at the click (a
    // test answers instead).
    void SetVolumeQuery(MeasurementAudio::VolumeQuery query) { Sound.SetVolumeQuery(std::move(query)); }

    // How long past its length the start sound is waited for at most: a
    // sound server that stops answering must not keep the hall waiting.
    static constexpr qint64 StartSoundMarginMs = 2000;
    // What tells the milliseconds still to play of the start sound; the
    // player unless a test gives a clock of its own.
    void SetStartSoundClock(std::function<qint64()> remaining);

public slots:
    // Fixes the take (the entry number, the settings in force, the moment)
    // and starts measuring it; only in the waiting state.
    void start();
    // Ends the run under way at once: the device is closed and the unsaved
    // recording dropped, finished(Abandoned) emitted; the state is waiting
    // again, without anything shown, and a take not yet shown is dropped.
    void abandon();
    // The result display of the measured take has closed: the screen waits
    // for the next entrant.
    void resultShown();
    // Closes the sound player, as the screen closes.
    void closePlayer();

signals:
    void stateChanged(ScreenState state);
    // A gauge value: -1 resets, 0 to 100 and a little beyond fill.
    void gaugeShown(int value);
    void finished(const MeasurementOutcome& outcome);

private:
    std::vector<PacedStep> ReadySteps();
    std::vector<PacedStep> MeasuringSteps();
    Pace AwaitStartSound();
    Pace FillGauge();
    Pace AwaitScore();
    void Enter(ScreenState state);
    void End(PacedRun::Outcome outcome);

    ContestSession& Context;
    PacedRun Run;
    MeasurementAudio Sound;
    ScreenState Current = Waiting;
    MeasuredEntrant Take;
    std::optional<ScoredRecording> Score;
    bool ScoreAnnounced = false;
    std::function<qint64()> RemainingStartSound;
    qint64 PhaseStart = 0;
    // The gauge value due once the pass's wait is over, and the elapsed
    // time it was taken at.
    std::optional<std::pair<int, double>> GaugeDue;
};
