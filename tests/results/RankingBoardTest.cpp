#include "results/RankingBoard.h"

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

TEST(RankingBoard, PagesAreOneMoreThanTheFullPagesUpToThreeHundred)
{
    EXPECT_EQ(LastBoardPage(0), 1);
    EXPECT_EQ(LastBoardPage(9), 1);
    EXPECT_EQ(LastBoardPage(10), 2) << "the second page stays empty";
    EXPECT_EQ(LastBoardPage(25), 3);
    EXPECT_EQ(LastBoardPage(2999), 300);
    EXPECT_EQ(LastBoardPage(3000), 300);
}

TEST(RankingBoard, RowsShowRankEntryAndTotalInFixedColumns)
{
    const QString row = BoardRowText(Ranked(12, 1234));
    EXPECT_EQ(row, QStringLiteral("№  12      1234点"));
    EXPECT_EQ(BoardRowText(Ranked(3000, 5)), QStringLiteral("№3000         5点"));
    EXPECT_EQ(BoardLabelText(1, 0, row), QStringLiteral("  1位              №  12      1234点"));
    EXPECT_EQ(BoardLabelText(3, 4, row).left(4), QStringLiteral(" 25位"));
    EXPECT_EQ(BoardLabelText(124, 3, row).left(4), QStringLiteral("234位")) << "the 1234th place keeps three digits";
    EXPECT_EQ(BoardLabelText(1, 5, QString()), QString()) << "no rank without an entrant";
}

TEST(RankingBoard, PageRowsAreTheTenRanksOfThePage)
{
    std::vector<ResultRecord> ranking;
    for (int rank = 1; rank <= 25; ++rank)
        ranking.push_back(Ranked(100 + rank, 2000 - rank));
    const std::array<QString, BoardRows> third = BoardPageRows(ranking, 3);
    EXPECT_EQ(third[0], BoardRowText(ranking[20]));
    EXPECT_EQ(third[4], BoardRowText(ranking[24]));
    for (size_t row = 5; row < BoardRows; ++row)
        EXPECT_TRUE(third[row].isEmpty()) << row;
    for (const QString& row : BoardPageRows(ranking, 4))
        EXPECT_TRUE(row.isEmpty());
}

TEST(RankingBoard, IndicatorNamesTheRanksOfThePage)
{
    EXPECT_EQ(BoardIndicatorText(1), QStringLiteral(" 1 - 10 表示中"));
    EXPECT_EQ(BoardIndicatorText(2), QStringLiteral(" 11 - 20 表示中"));
    EXPECT_EQ(BoardIndicatorText(300), QStringLiteral(" 2991 - 3000 表示中"));
}

TEST(RankingBoard, LeftGoesBackAndClosesOnTheFirstPageRightGoesRound)
{
    EXPECT_EQ(BoardPageAfterClick(Qt::LeftButton, 1, 3), std::nullopt);
    EXPECT_EQ(BoardPageAfterClick(Qt::LeftButton, 3, 3), 2);
    EXPECT_EQ(BoardPageAfterClick(Qt::RightButton, 1, 3), 2);
    EXPECT_EQ(BoardPageAfterClick(Qt::RightButton, 3, 3), 1);
    EXPECT_EQ(BoardPageAfterClick(Qt::RightButton, 1, 1), 1);
    EXPECT_EQ(BoardPageAfterClick(Qt::MiddleButton, 2, 3), 2);
}
