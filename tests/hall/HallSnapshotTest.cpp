#include "hall/HallSnapshot.h"

#include "core/AutomationDate.h"
#include "core/ResultStore.h"
#include "support/ResultLog.h"
#include "support/StoreFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject Parsed(const std::string& json)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

}

TEST(HallSnapshot, RankingJsonListsTheEntrantsAsTheStoresRankingFileDoes)
{
    // 25 entrants, many of them tied, stored out of rank order.
    StoreFolder folder;
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 25; ++n)
        log.push_back(StoredEntrant(n, 600 + (n * 7) % 5 * 100));
    WriteLog(folder, log);
    RebuildRanking(folder.Context);
    const std::vector<ResultRecord> ranking = *ReadEntrants(folder.Context.RankingPath());

    const QDateTime updated(QDate(2023, 10, 8), QTime(15, 0, 1));
    const HallSnapshotPtr snapshot = ReadHallSnapshot(
        folder.Context, updated, [](int entryNo) { return entryNo == 3 ? std::optional(QStringLiteral("<山田>")) : std::nullopt; },
        nullptr);
    ASSERT_TRUE(snapshot);
    const QJsonObject json = Parsed(snapshot->RankingJson);
    EXPECT_EQ(json["count"].toInt(), 25);
    EXPECT_EQ(json["updated"].toString(), "2023-10-08T15:00:01");
    const QJsonArray entrants = json["entrants"].toArray();
    ASSERT_EQ(entrants.size(), qsizetype(ranking.size()));
    for (size_t r = 0; r < ranking.size(); ++r) {
        const QJsonObject entrant = entrants[qsizetype(r)].toObject();
        SCOPED_TRACE(r);
        EXPECT_EQ(entrant["rank"].toInt(), ranking[r].Rank);
        EXPECT_EQ(entrant["entryNo"].toInt(), ranking[r].EntryNo);
        EXPECT_EQ(entrant["total"].toInt(), ranking[r].TotalPoints);
        EXPECT_EQ(entrant["maxPoints"].toInt(), ranking[r].MaxPoints);
        EXPECT_EQ(entrant["integratedPoints"].toInt(), ranking[r].IntegPoints);
        EXPECT_EQ(entrant["time"].toString(), FormatDateTime(FromAutomationDate(ranking[r].MeasuredAt)));
        EXPECT_EQ(entrant.contains("name"), ranking[r].EntryNo == 3);
        EXPECT_EQ(Parsed(snapshot->EntrantJson.at(ranking[r].EntryNo)), entrant);
    }
}

TEST(HallSnapshot, TheTagFollowsTheContentAndGraphsGoWithClearedEntrants)
{
    StoreFolder folder;
    WriteLog(folder, {StoredEntrant(1, 700), StoredEntrant(2, 900)});
    const QDateTime updated(QDate(2023, 10, 8), QTime(15, 0, 1));
    HallSnapshotPtr first = ReadHallSnapshot(folder.Context, updated, {}, nullptr);
    auto withGraph = std::make_shared<HallSnapshot>(*first);
    withGraph->Graphs[2] = "<svg/>";

    EXPECT_EQ(ReadHallSnapshot(folder.Context, updated, {}, withGraph.get())->RankingTag, first->RankingTag);
    EXPECT_EQ(ReadHallSnapshot(folder.Context, updated, {}, withGraph.get())->Graphs.at(2), "<svg/>");

    WriteLog(folder, {StoredEntrant(1, 700)});
    const HallSnapshotPtr cleared = ReadHallSnapshot(folder.Context, updated, {}, withGraph.get());
    EXPECT_NE(cleared->RankingTag, first->RankingTag);
    EXPECT_TRUE(cleared->Graphs.empty());
}
