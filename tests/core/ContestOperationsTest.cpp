#include "core/ContestOperations.h"

#include "core/ContestState.h"
#include "core/Ranking.h"
#include "core/ResultStore.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

std::array<int16_t, MaxEntrants + 1> TableOf(const std::vector<int>& totals)
{
    std::array<int16_t, MaxEntrants + 1> table{};
    for (size_t i = 0; i < totals.size(); ++i)
        table[i + 1] = static_cast<int16_t>(totals[i]);
    return table;
}

MeasuredEntrant EntrantOf(int entryNo, int total)
{
    return {entryNo, MeasureResult{8000, 0, 0, Points{total / 2}, Points{total - total / 2}, Points{total}},
            RecordingQuality::Normal, 0, 3, QDateTime()};
}

}

TEST(Ranking, TheHigherTotalFirstAndTheEarlierEntrantFirstAmongEqualTotals)
{
    EXPECT_TRUE(RanksBefore({5, 700}, {1, 500}));
    EXPECT_FALSE(RanksBefore({1, 500}, {5, 700}));
    EXPECT_TRUE(RanksBefore({2, 700}, {3, 700}));
    EXPECT_FALSE(RanksBefore({3, 700}, {2, 700}));
    EXPECT_FALSE(RanksBefore({2, 700}, {2, 700}));
}

TEST(ContestOperations, ANewEntrantRanksBehindEveryEarlierOneWithAsManyPoints)
{
    EXPECT_EQ(RankOfNewEntrant(TableOf({}), {1, 800}), 1);
    EXPECT_EQ(RankOfNewEntrant(TableOf({500, 700}), {3, 700}), 2);
    EXPECT_EQ(RankOfNewEntrant(TableOf({500, 700, 300}), {4, 500}), 3);
    EXPECT_EQ(RankOfNewEntrant(TableOf({0, 0}), {3, 0}), 3);
    EXPECT_EQ(RankOfNewEntrant(TableOf({100, 200}), {3, 2000}), 1);
}

TEST(ContestOperations, RecordingAnEntrantStoresItRanksItAndMovesOn)
{
    StoreFolder folder;
    ContestState& context = folder.Context;
    context.Contest.ScoreTable = TableOf({500, 700});
    ASSERT_TRUE(std::holds_alternative<ResultRecord>(StoreResult(context, EntrantOf(1, 500))));
    ASSERT_TRUE(std::holds_alternative<ResultRecord>(StoreResult(context, EntrantOf(2, 700))));
    context.Contest.EntryNo = 3;

    const auto recorded = RecordEntrant(context, EntrantOf(3, 700));
    ASSERT_TRUE(std::holds_alternative<EntrantRecorded>(recorded));
    EXPECT_EQ(std::get<EntrantRecorded>(recorded).Rank, 2);
    EXPECT_EQ(std::get<EntrantRecorded>(recorded).Record, ReadEntrants(context.LogPath())->at(2)) << "the record as stored";
    EXPECT_EQ(context.Contest.EntryNo, 4);
    EXPECT_EQ(context.Contest.ScoreTable[3], 700);
    EXPECT_EQ(std::get<LoadedEntrant>(LoadEntrant(context, 3)).TotalPoints, 700);
}

TEST(ContestOperations, AnEntrantTheLogCannotTakeKeepsItsNumber)
{
    StoreFolder folder;
    ContestState& context = folder.Context;
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("loudlog.dat")));
    const auto recorded = RecordEntrant(context, EntrantOf(1, 10));
    ASSERT_TRUE(std::holds_alternative<LogWriteFailed>(recorded));
    EXPECT_EQ(std::get<LogWriteFailed>(recorded).Fault, LogWriteFault::LogUnreadable);
    EXPECT_EQ(context.Contest.EntryNo, 1);
    EXPECT_EQ(context.Contest.ScoreTable[1], 0);
}
