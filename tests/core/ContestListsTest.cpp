#include "core/ContestOperations.h"
#include "core/ResultStore.h"

#include "support/ResultLog.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> EntryNumbers(const EntrantList& records)
{
    std::vector<int> numbers;
    for (const ResultRecord& record : std::get<std::vector<ResultRecord>>(records))
        numbers.push_back(record.EntryNo);
    return numbers;
}

QString UnreadableFile(const EntrantList& records)
{
    return std::get<ContestFileUnreadable>(records).Path;
}

std::vector<int> Ranks(const EntrantList& records)
{
    std::vector<int> ranks;
    for (const ResultRecord& record : std::get<std::vector<ResultRecord>>(records))
        ranks.push_back(record.Rank);
    return ranks;
}

}

TEST(ContestLists, RankingFirstListsEveryEntrantWithItsNewRankInEitherOrder)
{
    StoreFolder folder;
    WriteLogOfTotals(folder, {500, 700, 700, 300});
    EXPECT_FALSE(RebuildRanking(folder.Context));
    const auto byEntry = ListEntrants(folder.Context, EntrantOrder::ByEntry);
    EXPECT_EQ(EntryNumbers(byEntry), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Ranks(byEntry), (std::vector<int>{3, 1, 2, 4}));
    const auto byRank = ListEntrants(folder.Context, EntrantOrder::ByRank);
    EXPECT_EQ(EntryNumbers(byRank), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_EQ(Ranks(byRank), (std::vector<int>{1, 2, 3, 4}));
}

TEST(ContestLists, ListsEndAtTheFirstUnusedRecordOrTheEndOfAShortLog)
{
    StoreFolder folder;
    EXPECT_TRUE(EntryNumbers(ListEntrants(folder.Context, EntrantOrder::ByEntry)).empty()) << "no log yet";
    RebuildRanking(folder.Context);
    EXPECT_TRUE(EntryNumbers(ListEntrants(folder.Context, EntrantOrder::ByRank)).empty());

    // Two entrants, then a gap the list must not look past, then a third.
    std::vector<ResultRecord> records = {StoredEntrant(1, 10), StoredEntrant(2, 20), ResultRecord::Missing(3), StoredEntrant(4, 40)};
    QByteArray log;
    for (const ResultRecord& record : records)
        log += record.Encode();
    folder.Write(QStringLiteral("loudlog.dat"), log);
    EXPECT_EQ(EntryNumbers(ListEntrants(folder.Context, EntrantOrder::ByEntry)), (std::vector<int>{1, 2}));
    folder.Write(QStringLiteral("loudlog.dat"), log.left(2 * ResultRecord::Size));
    RebuildRanking(folder.Context);
    EXPECT_EQ(EntryNumbers(ListEntrants(folder.Context, EntrantOrder::ByRank)), (std::vector<int>{2, 1}));
}

TEST(ContestLists, ADamagedLogOrAVanishedFolderListsNobodyAndNamesTheFile)
{
    StoreFolder folder;
    WriteLogOfTotals(folder, {500, 700});
    folder.Write(QStringLiteral("loudlog.dat"), folder.Read(QStringLiteral("loudlog.dat")).left(2 * ResultRecord::Size + 12));
    EXPECT_EQ(UnreadableFile(ListEntrants(folder.Context, EntrantOrder::ByRank)), folder.Path(QStringLiteral("loudlog.dat")))
        << "the log, whichever list was asked for";
    ContestState vanished(folder.Path(QStringLiteral("renamed")));
    EXPECT_EQ(RebuildRanking(vanished).value_or(RankingNotRebuilt()).Path, vanished.LogPath());
    EXPECT_EQ(UnreadableFile(ListEntrants(vanished, EntrantOrder::ByEntry)), vanished.LogPath());
}
