#include "core/Waits.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>

namespace {

double ProcessCpuMs()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6;
}

} // namespace

TEST(WaitMilliseconds, LastsMoreThanTheGivenTimeAndHandlesEvents)
{
    QElapsedTimer clock;
    clock.start();
    WaitMilliseconds(0);
    EXPECT_GE(clock.nsecsElapsed(), 1'000'000);

    bool fired = false;
    QTimer::singleShot(20, [&fired] { fired = true; });
    clock.restart();
    WaitMilliseconds(100);
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 101);
    EXPECT_LT(elapsed, 160);
    EXPECT_TRUE(fired) << "events must be handled during the wait";
}

TEST(WaitMilliseconds, SleepsInsteadOfSpinning)
{
    const double cpuBefore = ProcessCpuMs();
    WaitMilliseconds(500);
    EXPECT_LT(ProcessCpuMs() - cpuBefore, 100.0);
}

TEST(WaitSeconds, EndsAtTheRoundedStartPlusTheSeconds)
{
    const double start = SecondsSinceMidnight();
    if (start > 86390.0)
        GTEST_SKIP() << "too close to midnight for the expectation below";
    QElapsedTimer clock;
    clock.start();
    WaitSeconds(1);
    const double expectedMs = (std::round(start) + 1 - start) * 1000.0;
    EXPECT_NEAR(double(clock.elapsed()), expectedMs, 40.0);
    EXPECT_GE(clock.elapsed(), 490);
    EXPECT_LE(clock.elapsed(), 1540);
}

TEST(WaitSeconds, CountsAcrossMidnight)
{
    // 23:59:59.75: the target is 00:00:01 of the next day.
    double now = 86399.75;
    double lastReading = 0;
    WaitSeconds(1, [&] {
        lastReading = now;
        now = now + 0.25 >= 86400.0 ? now + 0.25 - 86400.0 : now + 0.25;
        return lastReading;
    });
    EXPECT_EQ(lastReading, 1.0);
}

TEST(WaitSeconds, AStoppedOrSetBackClockDoesNotStretchTheWait)
{
    QElapsedTimer clock;
    clock.start();
    WaitSeconds(1, [] { return 40000.0; });
    EXPECT_GE(clock.elapsed(), 1490);
    EXPECT_LE(clock.elapsed(), 1600);
}
