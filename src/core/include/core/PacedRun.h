#pragma once

#include "core/WaitClock.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

// What a step of a paced run asks for: the next step, the same step again,
// the same step again once the run is resumed, or the end of the run as
// failed; the next or repeated step comes after `AfterMs` milliseconds on
// the run's clock.
struct Pace {
    enum class Then { Next, Again, Hold, Fail };
    Then Do = Then::Next;
    int AfterMs = 0;

    static Pace Next(int afterMs = 0) { return {Then::Next, afterMs}; }
    static Pace Again(int afterMs) { return {Then::Again, afterMs}; }
    static Pace Hold() { return {Then::Hold, 0}; }
    static Pace Fail() { return {Then::Fail, 0}; }
};
using PacedStep = std::function<Pace()>;

// A wait of `milliseconds` lasts more than that, as every wait of a run has
// always done: the clock must have moved past it.
constexpr int WaitOf(int milliseconds)
{
    return milliseconds + 1;
}

// A step that only waits.
PacedStep Pause(int milliseconds);

// The steps of `parts` one after the other.
std::vector<PacedStep> Joined(std::vector<std::vector<PacedStep>> parts);

// A run of steps that never blocks: each step does its work at once and asks
// for the pause before the next one, which is a timer on the injected clock,
// so the windows stay alive between the steps and a test moves the time by
// hand. Abandoning the run ends it at once; no step of it runs any more.
class PacedRun : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Completed, Failed, Abandoned };

    explicit PacedRun(WaitClock& clock, QObject* parent = nullptr);

    // Takes the first step before it returns and the others on the clock;
    // refused with false while a run is under way.
    bool Start(std::vector<PacedStep> steps);
    // Ends the run under way with ended(Abandoned); nothing between runs.
    void Abandon();
    // Takes the step that holds the run again; nothing when none holds it.
    void Resume();
    bool Running() const { return Underway; }

    qint64 Milliseconds() const { return Clock.Milliseconds(); }
    double SecondsSinceMidnight() const { return Clock.SecondsSinceMidnight(); }

signals:
    void ended(PacedRun::Outcome outcome);

private:
    void Take(size_t index, unsigned run);
    void End(Outcome outcome);

    WaitClock& Clock;
    std::vector<PacedStep> Steps;
    bool Underway = false;
    std::optional<size_t> HeldAt;
    // Tells the timers of an ended run from those of the one under way.
    unsigned RunNumber = 0;
};
