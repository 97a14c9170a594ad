#include "results/RankingPages.h"

#include <gtest/gtest.h>

namespace {

ResultRecord Ranked(int entryNo, int total)
{
    ResultRecord record;
    record.EntryNo = static_cast<int16_t>(entryNo);
    record.TotalPoints = static_cast<int16_t>(total);
    return record;
}

}

TEST(RankingBoard, AFullContestHasThreeHundredPages)
{
    EXPECT_EQ(LastBoardPage(2990), 300);
    EXPECT_EQ(LastBoardPage(3000), 300);
    EXPECT_EQ(BoardIndicatorText(300), QStringLiteral(" 2991 - 3000 表示中"));
}

TEST(RankingBoard, RowsShowRankEntryAndTotalInFixedColumns)
{
    const QString row = BoardRowText(Ranked(12, 1234));
    EXPECT_EQ(row, QStringLiteral("№  12      1234点"));
    EXPECT_EQ(BoardRowText(Ranked(3000, 5)), QStringLiteral("№3000         5点"));
    EXPECT_EQ(BoardLabelText(1, 0, row), QStringLiteral("  1位              №  12      1234点"));
    EXPECT_EQ(BoardLabelText(3, 4, row).left(4), QStringLiteral(" 25位"));
    EXPECT_EQ(BoardLabelText(99, 9, row).left(4), QStringLiteral("990位"));
    EXPECT_EQ(BoardLabelText(100, 0, row), QStringLiteral(" 991位              №  12      1234点"))
        << "the page that reaches rank 1000 widens every rank";
    EXPECT_EQ(BoardLabelText(100, 9, row).left(5), QStringLiteral("1000位"));
    EXPECT_EQ(BoardLabelText(300, 9, row).left(5), QStringLiteral("3000位"));
    EXPECT_EQ(BoardLabelText(1, 5, QString()), QString()) << "no rank without an entrant";
}

