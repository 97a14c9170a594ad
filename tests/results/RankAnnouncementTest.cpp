#include "results/RankAnnouncement.h"

#include <gtest/gtest.h>

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
