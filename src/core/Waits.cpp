#include "core/Waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400.0;
// How often the seconds wait looks at the time of day.
constexpr int TimeOfDayPollMs = 20;

// Handles events until the next one arrives or `timeoutMs` have passed.
void HandleEventsFor(QTimer& wake, qint64 timeoutMs)
{
    wake.start(static_cast<int>(std::max<qint64>(timeoutMs, 1)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace

void WaitMilliseconds(int16_t n)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (clock.elapsed() <= n)
        HandleEventsFor(wake, n + 1 - clock.elapsed());
}

double SecondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void WaitSeconds(int16_t n, const std::function<double()>& timeOfDay)
{
    const double start = timeOfDay();
    const double target = std::round(start) + n;
    // The rule never waits longer than n + 0.5 s; the monotonic bound keeps a
    // clock set back during the wait from stretching it.
    QElapsedTimer clock;
    clock.start();
    const double limitMs = (n + 0.5) * 1000.0;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (clock.elapsed() < limitMs) {
        double now = timeOfDay();
        if (now < start)
            now += SecondsPerDay;
        if (now >= target)
            return;
        HandleEventsFor(wake, std::min<qint64>(TimeOfDayPollMs, static_cast<qint64>((target - now) * 1000.0) + 1));
    }
}
