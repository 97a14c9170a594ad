#pragma once

#include "core/LevelCalibration.h"
#include "core/ResultRecord.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One entrant as the hall's pages show it.
struct HallEntrant {
    int Rank = 0;
    int EntryNo = 0;
    // Only when the contest shows names in the hall.
    std::optional<QString> Name;
    int Total = 0;
    int MaxPoints = 0;
    int IntegratedPoints = 0;
    // "yyyy/MM/dd hh:mm:ss".
    QString Time;
    // Its sound levels, when it was measured under a calibration and the
    // hall is shown levels.
    std::optional<EntrantLevel> Level;
};

// The sound levels the hall is shown: by entry number, with the distance
// from the microphone they are stated at.
struct HallLevels {
    int DistanceCm = 0;
    std::map<int, EntrantLevel> Levels;
};

// A loudness graph as SVG, shared by the snapshots that carry it.
using HallGraph = std::shared_ptr<const std::string>;

// The ranking as the hall sees it at one moment. Never changed once built:
// the server's thread reads it while the GUI thread builds the next, so it
// carries every answer ready-made and no request reads a contest file.
struct HallSnapshot {
    // False while the log cannot be read or is damaged: the page then says
    // the results are being prepared, and shows no ranking at all.
    bool Readable = true;
    // In rank order.
    std::vector<HallEntrant> Entrants;
    // The distance the levels are stated at, when the hall is shown levels:
    // every entrant's JSON then has "laFmax", "lcPeak", "laEq" (dB, or null
    // for an entrant without levels) and "clipped", the ranking "distanceCm".
    std::optional<int> LevelDistanceCm;
    // "yyyy-MM-ddThh:mm:ss".
    QString Updated;
    // The whole ranking: {"count","entrants","latest","updated"}, where
    // "latest" is the entrant stored last (the highest entry number) or null.
    std::string RankingJson;
    // RankingJson gzipped, for the phones that accept it.
    std::string RankingGzip;
    // The quoted entity tag of RankingJson.
    std::string RankingTag;
    // By entry number.
    std::map<int, std::string> EntrantJson;
    // The loudness graph of each entrant whose recording could be drawn, by
    // entry number.
    std::map<int, HallGraph> Graphs;

    const HallEntrant* Find(int entryNo) const;
    // The ranking from `offset` on, at most `limit` entrants, with the same
    // count, latest entrant and time as RankingJson; RankingJson itself for
    // the whole of it.
    std::string RankingSlice(size_t offset, size_t limit) const;
};

// The quoted entity tag of an answer's body: the same bytes, the same tag.
std::string EntityTag(const std::string& body);

using HallSnapshotPtr = std::shared_ptr<const HallSnapshot>;

// The name the hall may show for an entry number; nothing when the entrant
// has none or names are not shown in the hall.
using EntrantNameLookup = std::function<std::optional<QString>(int entryNo)>;

// The snapshot of the stored entrants `logRecords` (in any order), ranked as
// the ranking file ranks them: the higher total first, the lower entry
// number first among equal totals.
HallSnapshotPtr BuildHallSnapshot(std::vector<ResultRecord> logRecords, const QDateTime& updated,
                                  const EntrantNameLookup& names, std::map<int, HallGraph> graphs,
                                  const std::optional<HallLevels>& levels = std::nullopt);

// The snapshot of a log that cannot be read or is damaged: no entrant at all.
HallSnapshotPtr UnreadableHallSnapshot(const QDateTime& updated);

