#pragma once

#include "core/WaitClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <thread>

// A clock that moves only when the test lets time pass, so that no real
// time does: RunUntil moves it from one of the run's timers, or an action
// scheduled with At, to the next.
class FakeClock : public WaitClock {
public:
    qint64 Milliseconds() const override { return Now; }

    double SecondsSinceMidnight() const override
    {
        return TimeOfDayAt ? TimeOfDayAt(Now) : std::fmod(DayStart + Now / 1000.0, 86400.0);
    }

    void After(int milliseconds, const QObject* owner, std::function<void()> due) override
    {
        At(Now + std::max(milliseconds, 0), [owner = QPointer<const QObject>(owner), due = std::move(due)] {
            if (owner)
                due();
        });
    }

    // Moves the time to each action in turn and runs it, with Qt's queued
    // events before each, until `done` answers true or no action is left.
    // Without an action, only another thread can bring `done` (a score being
    // computed): real time passes then, ten seconds at most.
    void RunUntil(const std::function<bool()>& done = {})
    {
        QElapsedTimer idle;
        while (!done || !done()) {
            if (QCoreApplication::instance())
                QCoreApplication::processEvents();
            if (Actions.empty()) {
                if (!done || (idle.isValid() && idle.elapsed() > 10000))
                    return;
                if (!idle.isValid())
                    idle.start();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            idle.invalidate();
            Now = std::max(Now, Actions.begin()->first);
            const std::function<void()> action = Actions.begin()->second;
            Actions.erase(Actions.begin());
            action();
        }
    }

    // Runs `action` in the first round of events at or after `milliseconds`.
    void At(qint64 milliseconds, std::function<void()> action) { Actions.emplace(milliseconds, std::move(action)); }

    qint64 Now = 0;
    // The time of day at Now = 0, in seconds since midnight.
    double DayStart = 43200.0;
    // Replaces the running time of day (a clock stopped or set back).
    std::function<double(qint64 now)> TimeOfDayAt;

private:
    std::multimap<qint64, std::function<void()>> Actions;
};
