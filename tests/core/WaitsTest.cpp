#include "core/Waits.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(SecondsWaitMs, LastsFromTheStartToTheStartRoundedToTheSecondPlusTheSeconds)
{
    const std::vector<std::tuple<int, double, int>> cases = {
        {1, 43200.0, 1000}, {1, 43200.4, 600}, {1, 43200.6, 1400}, {2, 86399.7, 2300}, {0, 10.2, 0}};
    for (const auto& [n, start, expected] : cases)
        EXPECT_EQ(SecondsWaitMs(n, start), expected) << n << " s from " << start;
}
