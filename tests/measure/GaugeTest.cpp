#include "measure/Gauge.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Gauge, DrawsOnlyWhenTheValueChanges)
{
    GaugeMemory gauge;
    EXPECT_TRUE(gauge.Accept(-1));
    EXPECT_TRUE(gauge.Accept(50));
    EXPECT_FALSE(gauge.Accept(50));
    EXPECT_FALSE(gauge.Accept(101)) << "out of range: remembered, not drawn";
    EXPECT_EQ(gauge.Last(), 101);
    EXPECT_TRUE(gauge.Accept(100));
    gauge.Restart();
    EXPECT_FALSE(gauge.Accept(0)) << "the screen opens remembering 0";
}

TEST(Gauge, TheBarGrowsFromTheLeft)
{
    EXPECT_DOUBLE_EQ(BarRedExtent(1), 11);
    EXPECT_DOUBLE_EQ(BarRedExtent(50), 501);
    EXPECT_DOUBLE_EQ(BarRedExtent(99), 991);
}

namespace {

// How much of the full turn the green sectors cover.
double GreenShare(int value)
{
    double turn = 0;
    for (const GaugeSector& sector : GreenSectors(value))
        turn += sector.End - sector.Start;
    return turn / (2 * 3.141592);
}

}

TEST(Gauge, TheRedSectorGrowsClockwiseFromTwelveOClock)
{
    const std::vector<GaugeSector> quarter = GreenSectors(25);
    ASSERT_EQ(quarter.size(), 1u);
    EXPECT_NEAR(quarter[0].Start, 3.141592 / 2, 1e-9);
    EXPECT_NEAR(quarter[0].End, 2 * 3.141592, 1e-9) << "at 25 the top-right quarter is red";
    const std::vector<GaugeSector> half = GreenSectors(50);
    EXPECT_NEAR(half[0].End, 1.5 * 3.141592, 1e-9) << "at 50 the right half is red";

    const std::vector<GaugeSector> early = GreenSectors(10);
    ASSERT_EQ(early.size(), 2u) << "split at 3 o'clock";
    EXPECT_NEAR(early[0].Start, 0.001, 1e-12);
    EXPECT_NEAR(early[0].End, 15 * 3.141592 / 50, 1e-9);
    for (int value : {1, 10, 24, 25, 60, 99})
        EXPECT_NEAR(GreenShare(value), 1 - value / 100.0, 0.001) << value;
}
