#include "hall/HallSnapshot.h"

#include "Gzip.h"
#include "core/AutomationDate.h"
#include "core/Ranking.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

HallEntrant FromRecord(const ResultRecord& record, const EntrantNameLookup& names)
{
    HallEntrant entrant;
    entrant.Rank = record.Rank;
    entrant.EntryNo = record.EntryNo;
    entrant.Name = names ? names(record.EntryNo) : std::nullopt;
    entrant.Total = record.TotalPoints;
    entrant.MaxPoints = record.MaxPoints;
    entrant.IntegratedPoints = record.IntegPoints;
    entrant.Time = FormatDateTime(FromAutomationDate(record.MeasuredAt));
    return entrant;
}

std::string EntrantJson(const HallEntrant& entrant, bool levelsShown)
{
    QJsonObject object{{"rank", entrant.Rank},
                       {"entryNo", entrant.EntryNo},
                       {"total", entrant.Total},
                       {"maxPoints", entrant.MaxPoints},
                       {"integratedPoints", entrant.IntegratedPoints},
                       {"time", entrant.Time}};
    if (entrant.Name)
        object.insert(QStringLiteral("name"), *entrant.Name);
    if (levelsShown) {
        const std::optional<EntrantLevel>& level = entrant.Level;
        const auto decibels = [&](double EntrantLevel::*field) { return level ? QJsonValue((*level).*field) : QJsonValue(); };
        object.insert(QStringLiteral("laFmax"), decibels(&EntrantLevel::LAFmax));
        object.insert(QStringLiteral("lcPeak"), decibels(&EntrantLevel::LCpeak));
        object.insert(QStringLiteral("laEq"), decibels(&EntrantLevel::LAeq));
        object.insert(QStringLiteral("clipped"), level && level->Clipped);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

HallSnapshotPtr Finished(std::shared_ptr<HallSnapshot> snapshot, const QDateTime& updated)
{
    snapshot->Updated = updated.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss"));
    snapshot->RankingJson = snapshot->RankingSlice(0, snapshot->Entrants.size());
    snapshot->RankingGzip = Gzip(snapshot->RankingJson);
    snapshot->RankingTag = EntityTag(snapshot->RankingJson);
    return snapshot;
}

}

std::string EntityTag(const std::string& body)
{
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(body), QCryptographicHash::Sha1);
    return '"' + hash.toHex().left(20).toStdString() + '"';
}

const HallEntrant* HallSnapshot::Find(int entryNo) const
{
    const auto found = std::find_if(Entrants.begin(), Entrants.end(),
                                    [entryNo](const HallEntrant& entrant) { return entrant.EntryNo == entryNo; });
    return found == Entrants.end() ? nullptr : &*found;
}

std::string HallSnapshot::RankingSlice(size_t offset, size_t limit) const
{
    if (offset == 0 && limit >= Entrants.size() && !RankingJson.empty())
        return RankingJson;
    // Written by hand from the entrants' ready JSON, in the key order Qt
    // writes, so that a slice costs no more than its own entrants.
    std::string json = "{\"count\":" + std::to_string(Entrants.size()) +
                       (LevelDistanceCm ? ",\"distanceCm\":" + std::to_string(*LevelDistanceCm) : std::string()) + ",\"entrants\":[";
    const size_t end = std::min(Entrants.size(), offset + std::min(limit, Entrants.size()));
    for (size_t n = std::min(offset, end); n < end; ++n) {
        if (json.back() != '[')
            json += ',';
        json += EntrantJson.at(Entrants[n].EntryNo);
    }
    const auto latest = std::max_element(Entrants.begin(), Entrants.end(),
                                         [](const HallEntrant& a, const HallEntrant& b) { return a.EntryNo < b.EntryNo; });
    json += "],\"latest\":" + (latest == Entrants.end() ? std::string("null") : EntrantJson.at(latest->EntryNo));
    return json + ",\"updated\":\"" + Updated.toStdString() + "\"}";
}

HallSnapshotPtr BuildHallSnapshot(std::vector<ResultRecord> logRecords, const QDateTime& updated,
                                  const EntrantNameLookup& names, std::map<int, HallGraph> graphs,
                                  const std::optional<HallLevels>& levels)
{
    RankRecords(logRecords);
    auto snapshot = std::make_shared<HallSnapshot>();
    if (levels)
        snapshot->LevelDistanceCm = levels->DistanceCm;
    for (const ResultRecord& record : logRecords) {
        HallEntrant entrant = FromRecord(record, names);
        if (levels) {
            const auto level = levels->Levels.find(entrant.EntryNo);
            entrant.Level = level == levels->Levels.end() ? std::nullopt : std::optional(level->second);
        }
        snapshot->EntrantJson[entrant.EntryNo] = EntrantJson(entrant, levels.has_value());
        snapshot->Entrants.push_back(std::move(entrant));
    }
    // Graphs of entrants no longer stored (a cleared log) go with them.
    std::erase_if(graphs, [&](const auto& graph) { return !snapshot->EntrantJson.contains(graph.first); });
    snapshot->Graphs = std::move(graphs);
    return Finished(std::move(snapshot), updated);
}

HallSnapshotPtr UnreadableHallSnapshot(const QDateTime& updated)
{
    auto snapshot = std::make_shared<HallSnapshot>();
    snapshot->Readable = false;
    return Finished(std::move(snapshot), updated);
}
