#include "core/PacedRun.h"

#include <utility>

PacedStep Pause(int milliseconds)
{
    return [milliseconds] { return Pace::Next(WaitOf(milliseconds)); };
}

std::vector<PacedStep> Joined(std::vector<std::vector<PacedStep>> parts)
{
    std::vector<PacedStep> steps;
    for (std::vector<PacedStep>& part : parts)
        steps.insert(steps.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    return steps;
}

PacedRun::PacedRun(WaitClock& clock, QObject* parent) : QObject(parent), Clock(clock) {}

bool PacedRun::Start(std::vector<PacedStep> steps)
{
    if (Underway)
        return false;
    Steps = std::move(steps);
    Underway = true;
    HeldAt.reset();
    Take(0, ++RunNumber);
    return true;
}

void PacedRun::Abandon()
{
    if (Underway)
        End(Outcome::Abandoned);
}

void PacedRun::Resume()
{
    if (!Underway || !HeldAt)
        return;
    const size_t held = *HeldAt;
    HeldAt.reset();
    Clock.After(0, this, [this, held, run = RunNumber] { Take(held, run); });
}

void PacedRun::Take(size_t index, unsigned run)
{
    if (run != RunNumber)
        return;
    if (index == Steps.size()) {
        End(Outcome::Completed);
        return;
    }
    // A step keeps its own state between its turns, so it runs in place.
    const Pace pace = Steps[index]();
    if (run != RunNumber)
        return; // abandoned by the step itself
    if (pace.Do == Pace::Then::Fail) {
        End(Outcome::Failed);
        return;
    }
    if (pace.Do == Pace::Then::Hold) {
        HeldAt = index;
        return;
    }
    const size_t next = pace.Do == Pace::Then::Next ? index + 1 : index;
    Clock.After(pace.AfterMs, this, [this, next, run] { Take(next, run); });
}

void PacedRun::End(Outcome outcome)
{
    Underway = false;
    ++RunNumber;
    emit ended(outcome);
}
