#include "core/Waits.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400.0;
// How often the seconds wait looks at the time of day.
constexpr qint64 TimeOfDayPollMs = 20;

// One round of events, sleeping at most `timeoutMs` (at least 1, so that a
// timed wait never spins); false when the wait is abandoned.
bool HandleEventsFor(WaitClock& clock, qint64 timeoutMs, const std::function<bool()>& abandoned)
{
    clock.HandleEvents(static_cast<int>(std::max<qint64>(timeoutMs, 1)));
    return !abandoned || !abandoned();
}

} // namespace

bool WaitMilliseconds(int16_t n, WaitClock& clock, const std::function<bool()>& abandoned)
{
    const qint64 start = clock.Milliseconds();
    for (qint64 elapsed = 0; elapsed <= n; elapsed = clock.Milliseconds() - start) {
        if (!HandleEventsFor(clock, n + 1 - elapsed, abandoned))
            return false;
    }
    return true;
}

bool WaitSeconds(int16_t n, WaitClock& clock, const std::function<bool()>& abandoned)
{
    const double start = clock.SecondsSinceMidnight();
    const double target = std::round(start) + n;
    // The rule never waits longer than n + 0.5 s; the monotonic bound keeps a
    // clock set back during the wait from stretching it.
    const qint64 startMs = clock.Milliseconds();
    const double limitMs = (n + 0.5) * 1000.0;
    while (clock.Milliseconds() - startMs < limitMs) {
        double now = clock.SecondsSinceMidnight();
        if (now < start)
            now += SecondsPerDay;
        if (now >= target)
            return true;
        if (!HandleEventsFor(clock, std::min<qint64>(TimeOfDayPollMs, static_cast<qint64>((target - now) * 1000.0) + 1), abandoned))
            return false;
    }
    return true;
}

int SecondsWaitMs(int n, double secondsSinceMidnight)
{
    return static_cast<int>(std::max(0L, std::lround((std::round(secondsSinceMidnight) + n - secondsSinceMidnight) * 1000.0)));
}
