#include "results/RankAnnouncement.h"

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

TEST(RankAnnouncement, EarlierEntrantsKeepTheBetterRankAmongEqualTotals)
{
    EXPECT_EQ(RankOfEntrant(TableOf({800}), 1), 1);
    EXPECT_EQ(RankOfEntrant(TableOf({500, 700, 700}), 3), 2);
    EXPECT_EQ(RankOfEntrant(TableOf({500, 700, 300, 500}), 4), 3);
    EXPECT_EQ(RankOfEntrant(TableOf({500, 700, 300, 0}), 4), 4);
    EXPECT_EQ(RankOfEntrant(TableOf({0, 0, 0}), 3), 3);
    EXPECT_EQ(RankOfEntrant(TableOf({100, 200, 2000}), 3), 1);
}

TEST(RankAnnouncement, TheRankSoundFollowsThePlaceInTheField)
{
    EXPECT_EQ(RankSoundSlot(1, 1), 2) << "the first entrant is top, not booby";
    const std::vector<int> ofFive = {2, 4, 4, 5, 6};
    for (int rank = 1; rank <= 5; ++rank)
        EXPECT_EQ(RankSoundSlot(rank, 5), ofFive[static_cast<size_t>(rank - 1)]) << "rank " << rank << " of 5";
    EXPECT_EQ(RankSoundSlot(2, 10), 3);
    EXPECT_EQ(RankSoundSlot(3, 10), 4);
    EXPECT_EQ(RankSoundSlot(7, 10), 4);
    EXPECT_EQ(RankSoundSlot(8, 10), 5);
    EXPECT_EQ(RankSoundSlot(9, 10), 5);
    EXPECT_EQ(RankSoundSlot(10, 10), 6);
}

TEST(RankAnnouncement, TheRankLabelCarriesBlanksInPlaceOfSigns)
{
    EXPECT_EQ(RankLabelText(3, 25), QStringLiteral(" 3位/ 25人中"));
    EXPECT_EQ(RankLabelText(1, 1), QStringLiteral(" 1位/ 1人中"));
}

TEST(RankAnnouncement, TheBlinkCyclesThroughThreeColours)
{
    EXPECT_EQ(NextBlinkPhase(0), 1);
    EXPECT_EQ(NextBlinkPhase(1), 2);
    EXPECT_EQ(NextBlinkPhase(2), 0);
    EXPECT_EQ(NextBlinkPhase(7), 0);
}
