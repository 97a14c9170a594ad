#include "core/WaitClock.h"

#include <QElapsedTimer>
#include <QTime>
#include <QTimer>

namespace {

class SystemWaitClock : public WaitClock {
public:
    SystemWaitClock() { Monotonic.start(); }

    qint64 Milliseconds() const override { return Monotonic.elapsed(); }

    double SecondsSinceMidnight() const override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

    void After(int milliseconds, const QObject* owner, std::function<void()> due) override
    {
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, owner, std::move(due));
    }

private:
    QElapsedTimer Monotonic;
};

} // namespace

WaitClock& SystemClock()
{
    static SystemWaitClock clock;
    return clock;
}
