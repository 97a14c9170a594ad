#pragma once

#include "audio/MeasurementAudio.h"
#include "core/MeasureResult.h"
#include "core/StepRunner.h"
#include "measure/MeasurementRun.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class ContestSession;
class SoundRecorder;

// One entrant's measurement, from the press on the band to the scored
// recording: the ready phase with the start sound and the start wait, the
// recording for the measurement time while the gauge fills, the stop sound
// and the analysis, whose result the result display shows and stores. It
// draws nothing: the measurement screen shows the states and gauge values it
// reports, and tests run it without any window.
class MeasurementRunner : public QObject {
    Q_OBJECT
public:
    // Records from the microphone unless another recorder is given; waits
    // on `clock`.
    explicit MeasurementRunner(ContestSession& context, std::unique_ptr<SoundRecorder> recorder = {},
                               WaitClock& clock = SystemClock());

    enum class Outcome {
        // Recorded and analysed: the entrant awaits the result display.
        Measured,
        // A recording step itself failed (the contest folder, the template)
        // and its failures have been told; nothing was scored and the
        // device is closed.
        Failed,
        // The device failed (a command's error, an input that went away or
        // never started, no sound server) and has been told; nothing was
        // scored, the device is closed, and the entrant can be measured again.
        DeviceFailed,
        // Abandon was called, or the program is ending; also a run started
        // while one is under way, which goes on.
        Abandoned,
    };

    struct Result {
        Outcome Kind = Outcome::Failed;
        // The scored entrant, when measured.
        std::optional<MeasuredEntrant> Entrant;
    };

    // Runs the whole measurement while events are processed; events may
    // close the screen, which then calls Abandon.
    Result Run();

    // Ends the run in progress at once: the device is closed and the unsaved
    // recording dropped, without messages; the run unwinds at its next wait
    // without reporting anything more. Nothing happens between runs.
    void Abandon();

    // How long past its length the start sound is waited for at most: a
    // sound server that stops answering must not keep the hall waiting.
    static constexpr qint64 StartSoundMarginMs = 2000;
    // What tells the milliseconds still to play of the start sound; the
    // player unless a test gives a clock of its own.
    void SetStartSoundClock(std::function<qint64()> remaining);

    MeasurementAudio& Audio() { return Sound; }

signals:
    // Entered the ready state (start sound and blink) or the measuring state.
    void stateEntered(ScreenState state);
    // A gauge value: -1 resets, 0 to 100 and a little beyond fill.
    void gaugeShown(int value);

private:
    bool Prepare();
    bool AwaitStartSound();
    bool Record();
    bool Finish();
    bool Analyse();
    // Tells the step's failures and notes whose they were; true when the
    // step went through.
    bool Went(const AudioStep& step);

    ContestSession& Context;
    StepRunner Steps;
    MeasurementAudio Sound;
    std::optional<MeasuredEntrant> Scored;
    bool StepItselfFailed = false;
    std::function<qint64()> RemainingStartSound;
};
