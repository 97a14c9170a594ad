#include "hall/HallSnapshot.h"

#include "core/AutomationDate.h"
#include "core/ContestState.h"
#include "core/Ranking.h"
#include "core/ResultStore.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

HallEntrant FromRecord(const ResultRecord& record, int rank, const EntrantNameLookup& names)
{
    HallEntrant entrant;
    entrant.Rank = rank;
    entrant.EntryNo = record.EntryNo;
    entrant.Name = names ? names(record.EntryNo) : std::nullopt;
    entrant.Total = record.TotalPoints;
    entrant.MaxPoints = record.MaxPoints;
    entrant.IntegratedPoints = record.IntegPoints;
    entrant.Time = FormatDateTime(FromAutomationDate(record.MeasuredAt));
    return entrant;
}

QJsonObject ToJson(const HallEntrant& entrant)
{
    QJsonObject object{{"rank", entrant.Rank},
                       {"entryNo", entrant.EntryNo},
                       {"total", entrant.Total},
                       {"maxPoints", entrant.MaxPoints},
                       {"integratedPoints", entrant.IntegratedPoints},
                       {"time", entrant.Time}};
    if (entrant.Name)
        object.insert(QStringLiteral("name"), *entrant.Name);
    return object;
}

std::string Compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string QuotedTag(const std::string& body)
{
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(body), QCryptographicHash::Sha1);
    return '"' + hash.toHex().left(20).toStdString() + '"';
}

}

const HallEntrant* HallSnapshot::Find(int entryNo) const
{
    const auto found = std::find_if(Entrants.begin(), Entrants.end(),
                                    [entryNo](const HallEntrant& entrant) { return entrant.EntryNo == entryNo; });
    return found == Entrants.end() ? nullptr : &*found;
}

HallSnapshotPtr BuildHallSnapshot(std::vector<ResultRecord> logRecords, const QDateTime& updated,
                                  const EntrantNameLookup& names, std::map<int, std::string> graphs)
{
    std::sort(logRecords.begin(), logRecords.end(), [](const ResultRecord& a, const ResultRecord& b) {
        return RanksBefore({a.EntryNo, a.TotalPoints}, {b.EntryNo, b.TotalPoints});
    });
    auto snapshot = std::make_shared<HallSnapshot>();
    snapshot->Updated = updated.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss"));
    QJsonArray entrants;
    for (const ResultRecord& record : logRecords) {
        HallEntrant entrant = FromRecord(record, int(snapshot->Entrants.size()) + 1, names);
        const QJsonObject json = ToJson(entrant);
        entrants.append(json);
        snapshot->EntrantJson[entrant.EntryNo] = Compact(json);
        snapshot->Entrants.push_back(std::move(entrant));
    }
    snapshot->RankingJson = Compact(QJsonObject{
        {"count", qsizetype(snapshot->Entrants.size())}, {"updated", snapshot->Updated}, {"entrants", entrants}});
    snapshot->RankingTag = QuotedTag(snapshot->RankingJson);
    // Graphs of entrants no longer stored (a cleared log) go with them.
    std::erase_if(graphs, [&](const auto& graph) { return !snapshot->EntrantJson.contains(graph.first); });
    snapshot->Graphs = std::move(graphs);
    return snapshot;
}

HallSnapshotPtr ReadHallSnapshot(const ContestState& context, const QDateTime& updated, const EntrantNameLookup& names,
                                 const HallSnapshot* previous)
{
    std::optional<std::vector<ResultRecord>> records = ReadEntrants(context.LogPath());
    if (!records)
        return nullptr;
    return BuildHallSnapshot(std::move(*records), updated, names, previous ? previous->Graphs : std::map<int, std::string>{});
}
