#include "core/StepRunner.h"

#include "core/Waits.h"

#include <algorithm>
#include <utility>

StepRunner::StepRunner(WaitClock& clock, std::function<bool()> alsoAbandoned)
    : Clock(clock), AlsoAbandoned(std::move(alsoAbandoned))
{
}

StepRunner::Outcome StepRunner::Run(const std::vector<Step>& steps)
{
    if (InProgress)
        return Outcome::Abandoned;
    InProgress = true;
    AbandonRequested = false;
    Outcome outcome = Outcome::Completed;
    for (size_t i = 0; i < steps.size() && outcome == Outcome::Completed; ++i) {
        if (i > 0)
            Clock.HandleEvents(0);
        const bool done = !Abandoned() && steps[i]();
        if (Abandoned())
            outcome = Outcome::Abandoned;
        else if (!done)
            outcome = Outcome::Failed;
    }
    InProgress = false;
    return outcome;
}

void StepRunner::Abandon()
{
    AbandonRequested = InProgress;
}

bool StepRunner::Abandoned() const
{
    return AbandonRequested || (AlsoAbandoned && AlsoAbandoned());
}

bool StepRunner::Wait(int milliseconds)
{
    return WaitMilliseconds(static_cast<int16_t>(std::clamp(milliseconds, 0, 32767)), Clock, [this] { return Abandoned(); });
}

bool StepRunner::WaitSeconds(int seconds)
{
    return ::WaitSeconds(static_cast<int16_t>(std::clamp(seconds, 0, 32767)), Clock, [this] { return Abandoned(); });
}

bool StepRunner::Follow(const std::vector<PacedStep>& steps)
{
    for (size_t i = 0; i < steps.size();) {
        const Pace pace = steps[i]();
        if (pace.Do == Pace::Then::Fail || Abandoned())
            return false;
        if (pace.Do == Pace::Then::Next)
            ++i;
        // A held step is asked again after each round of events.
        const int afterMs = pace.Do == Pace::Then::Hold ? WaitOf(0) : pace.AfterMs;
        if (afterMs > 0 && !Wait(afterMs - 1))
            return false;
    }
    return true;
}
