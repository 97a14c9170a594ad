#include "core/ContestOperations.h"

#include <gtest/gtest.h>

namespace {

std::array<int16_t, MaxEntrants + 1> TableOf(const std::vector<int>& totals)
{
    std::array<int16_t, MaxEntrants + 1> table{};
    for (size_t i = 0; i < totals.size(); ++i)
        table[i + 1] = static_cast<int16_t>(totals[i]);
    return table;
}

}

TEST(ContestOperations, EarlierEntrantsKeepTheBetterRankAmongEqualTotals)
{
    EXPECT_EQ(RankOfEntrant(TableOf({800}), 1), 1);
    EXPECT_EQ(RankOfEntrant(TableOf({500, 700, 700}), 3), 2);
    EXPECT_EQ(RankOfEntrant(TableOf({500, 700, 300, 500}), 4), 3);
    EXPECT_EQ(RankOfEntrant(TableOf({500, 700, 300, 0}), 4), 4);
    EXPECT_EQ(RankOfEntrant(TableOf({0, 0, 0}), 3), 3);
    EXPECT_EQ(RankOfEntrant(TableOf({100, 200, 2000}), 3), 1);
}

