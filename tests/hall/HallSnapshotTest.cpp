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
    const HallSnapshotPtr snapshot = BuildHallSnapshot(
        log, updated, [](int entryNo) { return entryNo == 3 ? std::optional(QStringLiteral("<山田>")) : std::nullopt; }, {});
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
    const std::vector<ResultRecord> log = {StoredEntrant(1, 700), StoredEntrant(2, 900)};
    const QDateTime updated(QDate(2023, 10, 8), QTime(15, 0, 1));
    const HallSnapshotPtr first = BuildHallSnapshot(log, updated, {}, {});
    const std::map<int, HallGraph> graphs = {{2, std::make_shared<const std::string>("<svg/>")}};

    const HallSnapshotPtr withGraph = BuildHallSnapshot(log, updated, {}, graphs);
    EXPECT_EQ(withGraph->RankingTag, first->RankingTag);
    EXPECT_EQ(withGraph->Graphs.at(2), graphs.at(2));

    const HallSnapshotPtr cleared = BuildHallSnapshot({StoredEntrant(1, 700)}, updated, {}, graphs);
    EXPECT_NE(cleared->RankingTag, first->RankingTag);
    EXPECT_TRUE(cleared->Graphs.empty());
}

TEST(HallSnapshot, APartOfTheRankingIsTheWholeCutWithTheSameCountAndLatestEntrant)
{
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 30; ++n)
        log.push_back(StoredEntrant(n, 500 + (n * 13) % 7 * 50));
    const HallSnapshotPtr snapshot = BuildHallSnapshot(log, QDateTime(QDate(2023, 10, 8), QTime(15, 0)), {}, {});
    const QJsonObject whole = Parsed(snapshot->RankingJson);
    EXPECT_EQ(whole["latest"].toObject()["entryNo"].toInt(), 30);
    const struct {
        size_t Offset, Limit, First, Count;
    } parts[] = {{0, 30, 0, 30}, {0, 10, 0, 10}, {25, 10, 25, 5}, {30, 5, 0, 0}, {99999, 500, 0, 0}, {0, 0, 0, 0}};
    for (const auto& part : parts) {
        SCOPED_TRACE(std::to_string(part.Offset) + "+" + std::to_string(part.Limit));
        const QJsonObject json = Parsed(snapshot->RankingSlice(part.Offset, part.Limit));
        EXPECT_EQ(json["count"], whole["count"]);
        EXPECT_EQ(json["latest"], whole["latest"]);
        EXPECT_EQ(json["updated"], whole["updated"]);
        EXPECT_EQ(json["entrants"].toArray(), QJsonArray::fromVariantList(
                                                  whole["entrants"].toArray().toVariantList().mid(qsizetype(part.First), qsizetype(part.Count))));
    }
}

TEST(HallSnapshot, LevelsShownToTheHallGiveEveryEntrantItsLevelsOrNullAndTheRankingTheirDistance)
{
    const std::vector<ResultRecord> log = {StoredEntrant(1, 700), StoredEntrant(2, 900)};
    const QDateTime updated(QDate(2026, 12, 8), QTime(15, 0, 1));
    const HallSnapshotPtr plain = BuildHallSnapshot(log, updated, {}, {});
    EXPECT_FALSE(Parsed(plain->RankingJson).contains("distanceCm")) << "without levels, the JSON as it always was";
    EXPECT_FALSE(Parsed(plain->EntrantJson.at(1)).contains("laFmax"));

    const HallSnapshotPtr snapshot =
        BuildHallSnapshot(log, updated, {}, {}, HallLevels{50, {{2, EntrantLevel{112.3, 125.0, 104.2, true, 101.5, 50}}}});
    const QJsonObject ranking = Parsed(snapshot->RankingJson);
    EXPECT_EQ(ranking["distanceCm"].toInt(), 50);
    const QJsonObject measured = Parsed(snapshot->EntrantJson.at(2)), without = Parsed(snapshot->EntrantJson.at(1));
    EXPECT_DOUBLE_EQ(measured["laFmax"].toDouble(), 112.3);
    EXPECT_DOUBLE_EQ(measured["lcPeak"].toDouble(), 125.0);
    EXPECT_DOUBLE_EQ(measured["laEq"].toDouble(), 104.2);
    EXPECT_TRUE(measured["clipped"].toBool());
    for (const char* key : {"laFmax", "lcPeak", "laEq"})
        EXPECT_TRUE(without[key].isNull()) << key;
    EXPECT_EQ(Parsed(snapshot->RankingSlice(0, 1))["distanceCm"].toInt(), 50) << "a part of the ranking too";
}
