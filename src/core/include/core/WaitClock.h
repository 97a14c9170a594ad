#pragma once

#include <QtGlobal>
#include <functional>

class QObject;

// The time the waits go by, and the timers that end them: the system's
// clocks and Qt's timers in the program, a clock of their own in tests.
class WaitClock {
public:
    virtual ~WaitClock() = default;

    // Milliseconds on a clock that never goes back.
    virtual qint64 Milliseconds() const = 0;
    // The time of day in seconds since midnight, with fractions.
    virtual double SecondsSinceMidnight() const = 0;
    // Calls `due` from the thread's event loop once `milliseconds` have
    // passed (0: as soon as the pending events are handled); never once
    // `owner` is gone.
    virtual void After(int milliseconds, const QObject* owner, std::function<void()> due) = 0;
};

// The system's monotonic clock and time of day, with timers of the
// thread's Qt event loop.
WaitClock& SystemClock();
