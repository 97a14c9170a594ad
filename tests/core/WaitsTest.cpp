#include "core/Waits.h"

#include "support/FakeClock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(WaitMilliseconds, LastsMoreThanTheGivenTimeInOneSleepUnlessEventsComeEarlier)
{
    FakeClock clock;
    EXPECT_TRUE(WaitMilliseconds(0, clock));
    EXPECT_EQ(clock.Now, 1);

    // Each event wakes the sleep; otherwise one round covers the rest.
    clock = FakeClock();
    bool fired = false;
    clock.At(20, [&fired] { fired = true; });
    EXPECT_TRUE(WaitMilliseconds(100, clock));
    EXPECT_EQ(clock.Now, 101);
    EXPECT_TRUE(fired) << "events must be handled during the wait";
    EXPECT_EQ(clock.Rounds, 2) << "a wait sleeps instead of spinning";
}

TEST(WaitSeconds, EndsAtTheStartRoundedToTheSecondPlusTheSeconds)
{
    // Started at a time of day with these fractions, one second lasts:
    const std::vector<std::pair<double, qint64>> cases = {{0.0, 1000}, {0.4, 600}, {0.49, 510}, {0.5, 1500}, {0.6, 1400}};
    for (const auto& [fraction, expectedMs] : cases) {
        FakeClock clock;
        clock.DayStart = 36000.0 + fraction;
        EXPECT_TRUE(WaitSeconds(1, clock));
        EXPECT_NEAR(double(clock.Now), double(expectedMs), 1.0) << "started at ." << fraction;
    }
}

TEST(WaitSeconds, CountsAcrossMidnight)
{
    // 23:59:59.75: the target is 00:00:01 of the next day.
    FakeClock clock;
    clock.DayStart = 86399.75;
    EXPECT_TRUE(WaitSeconds(1, clock));
    EXPECT_NEAR(double(clock.Now), 1250.0, 1.0);
    EXPECT_NEAR(clock.SecondsSinceMidnight(), 1.0, 0.002);
}

TEST(WaitSeconds, AStoppedTimeOfDayDoesNotStretchTheWait)
{
    FakeClock clock;
    clock.TimeOfDayAt = [](qint64) { return 40000.0; };
    EXPECT_TRUE(WaitSeconds(1, clock));
    EXPECT_GE(clock.Now, 1500);
    EXPECT_LE(clock.Now, 1520);
}

TEST(Waits, AnAbandonedWaitEndsInTheRoundOfEventsThatAbandonedIt)
{
    for (const bool inSeconds : {false, true}) {
        FakeClock clock;
        bool abandoned = false;
        clock.At(300, [&abandoned] { abandoned = true; });
        const auto isAbandoned = [&abandoned] { return abandoned; };
        EXPECT_FALSE(inSeconds ? WaitSeconds(5, clock, isAbandoned) : WaitMilliseconds(5000, clock, isAbandoned));
        EXPECT_EQ(clock.Now, 300) << (inSeconds ? "seconds" : "milliseconds");
    }
}

TEST(SystemClock, SleepsUntilTheNextEventOrTheTimeAsked)
{
    SystemClock().HandleEvents(0); // what start-up left pending
    QElapsedTimer elapsed;
    elapsed.start();
    SystemClock().HandleEvents(30);
    EXPECT_GE(elapsed.elapsed(), 29);

    bool fired = false;
    QTimer::singleShot(5, [&fired] { fired = true; });
    elapsed.restart();
    SystemClock().HandleEvents(1000);
    EXPECT_TRUE(fired);
    EXPECT_LT(elapsed.elapsed(), 500) << "the event ends the sleep";
}

TEST(SecondsWaitMs, LastsFromTheStartToTheStartRoundedToTheSecondPlusTheSeconds)
{
    const std::vector<std::tuple<int, double, int>> cases = {
        {1, 43200.0, 1000}, {1, 43200.4, 600}, {1, 43200.6, 1400}, {2, 86399.7, 2300}, {0, 10.2, 0}};
    for (const auto& [n, start, expected] : cases)
        EXPECT_EQ(SecondsWaitMs(n, start), expected) << n << " s from " << start;
}
