#pragma once

#include "core/PacedRun.h"
#include "core/WaitClock.h"

#include <functional>
#include <vector>

// A long run made of steps that keeps the windows alive: it handles the
// pending events between its steps, and its steps wait through it, so that a
// press of Esc, a closed window or the program's end is seen at once. It
// checks whether the run was abandoned after every step and every wait; an
// abandoned run goes no further and its steps return without touching their
// window, which may be gone.
class StepRunner {
public:
    enum class Outcome {
        // Every step was done.
        Completed,
        // A step failed and has said why; the run ended there.
        Failed,
        // Abandon was called or `alsoAbandoned` turned true; this wins over
        // a failure of the same step.
        Abandoned,
    };
    // Answers false when it failed.
    using Step = std::function<bool()>;

    // `alsoAbandoned`, when given, abandons a run from outside (the program
    // ending).
    explicit StepRunner(WaitClock& clock = SystemClock(), std::function<bool()> alsoAbandoned = {});

    // Runs the steps in order. A run started from within a run runs nothing
    // and answers Abandoned: the run under way goes on.
    Outcome Run(const std::vector<Step>& steps);
    bool Running() const { return InProgress; }

    // Ends the run under way at its next check; nothing between runs.
    void Abandon();
    bool Abandoned() const;

    // The waits of the steps: false, at once, when the run is abandoned.
    bool Wait(int milliseconds);
    bool WaitSeconds(int seconds);
    // Takes paced steps here, waiting through this runner; false when a step
    // failed or the run was abandoned.
    bool Follow(const std::vector<PacedStep>& steps);
    // Milliseconds on the run's clock, for steps that time themselves.
    qint64 Milliseconds() const { return Clock.Milliseconds(); }

private:
    WaitClock& Clock;
    std::function<bool()> AlsoAbandoned;
    bool InProgress = false;
    bool AbandonRequested = false;
};
