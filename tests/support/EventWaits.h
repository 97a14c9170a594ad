#pragma once

#include "core/PacedRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <optional>
#include <vector>

// Real time passing in a test that talks to a real service: Qt's events are
// handled meanwhile, sleeping until the next one.
inline void HandleEventsFor(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    for (qint64 left = milliseconds; left > 0; left = milliseconds - waited.elapsed())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, int(left));
}

// Takes paced steps to their end on `clock`, handling events meanwhile;
// true when every step was done.
inline bool FollowPaced(std::vector<PacedStep> steps, WaitClock& clock = SystemClock())
{
    PacedRun run(clock);
    std::optional<PacedRun::Outcome> ended;
    QObject::connect(&run, &PacedRun::ended, [&ended](PacedRun::Outcome outcome) { ended = outcome; });
    run.Start(std::move(steps));
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return *ended == PacedRun::Outcome::Completed;
}
