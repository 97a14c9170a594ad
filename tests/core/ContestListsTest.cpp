#include "core/ContestOperations.h"

#include "support/ResultLog.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> EntryNumbers(const std::optional<std::vector<ResultRecord>>& records)
{
    std::vector<int> numbers;
    for (const ResultRecord& record : records.value())
        numbers.push_back(record.EntryNo);
    return numbers;
}

std::vector<int> Ranks(const std::optional<std::vector<ResultRecord>>& records)
{
    std::vector<int> ranks;
    for (const ResultRecord& record : records.value())
        ranks.push_back(record.Rank);
    return ranks;
}

}

TEST(ContestLists, RankingFirstListsEveryEntrantWithItsNewRankInEitherOrder)
{
    TestFolder folder;
    WriteLogOfTotals(folder, {500, 700, 700, 300});
    const auto byEntry = RankAndListEntrants(folder.Context, EntrantOrder::ByEntry);
    EXPECT_EQ(EntryNumbers(byEntry), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Ranks(byEntry), (std::vector<int>{3, 1, 2, 4}));
    const auto byRank = ListEntrants(folder.Context, EntrantOrder::ByRank);
    EXPECT_EQ(EntryNumbers(byRank), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_EQ(Ranks(byRank), (std::vector<int>{1, 2, 3, 4}));
}

TEST(ContestLists, ListsEndAtTheFirstUnusedRecordOrTheEndOfAShortLog)
{
    TestFolder folder;
    EXPECT_TRUE(ListEntrants(folder.Context, EntrantOrder::ByEntry).value().empty()) << "no log yet";
    EXPECT_TRUE(RankAndListEntrants(folder.Context, EntrantOrder::ByRank).value().empty());

    // Two entrants, then a gap the list must not look past, then a third.
    std::vector<ResultRecord> records = {StoredEntrant(1, 10), StoredEntrant(2, 20), ResultRecord::Missing(3), StoredEntrant(4, 40)};
    QByteArray log;
    for (const ResultRecord& record : records)
        log += record.Encode();
    folder.Write(QStringLiteral("loudlog.dat"), log);
    EXPECT_EQ(EntryNumbers(ListEntrants(folder.Context, EntrantOrder::ByEntry)), (std::vector<int>{1, 2}));
    folder.Write(QStringLiteral("loudlog.dat"), log.left(2 * ResultRecord::Size));
    EXPECT_EQ(EntryNumbers(RankAndListEntrants(folder.Context, EntrantOrder::ByRank)), (std::vector<int>{2, 1}));
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST(ContestLists, ADamagedLogOrAVanishedFolderListsNobodyAndNamesTheFile)
{
    TestFolder folder;
    WriteLogOfTotals(folder, {500, 700});
    folder.Write(QStringLiteral("loudlog.dat"), folder.Read(QStringLiteral("loudlog.dat")).left(2 * ResultRecord::Size + 12));
    EXPECT_FALSE(ListEntrants(folder.Context, EntrantOrder::ByRank).has_value());
    ContestState vanished(folder.Path(QStringLiteral("renamed")), folder.Messages);
    EXPECT_FALSE(RankAndListEntrants(vanished, EntrantOrder::ByEntry).has_value());
    const QString advice = QStringLiteral("\nフォルダおよびファイルを確認してください！");
    EXPECT_EQ(folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("測定ログが読めないか、壊れています。(%1)").arg(folder.Path(QStringLiteral("loudlog.dat"))) + advice,
                                    QStringLiteral("測定ログが読めないか、壊れています。(%1)").arg(vanished.LogPath()) + advice}));
}
