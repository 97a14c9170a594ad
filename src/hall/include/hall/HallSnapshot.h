#pragma once

#include "core/ResultRecord.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ContestState;

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
};

// The ranking as the hall sees it at one moment. Never changed once built:
// the server's threads read it while the GUI thread builds the next, so it
// carries every answer ready-made and no request reads a contest file.
struct HallSnapshot {
    // In rank order.
    std::vector<HallEntrant> Entrants;
    // "yyyy-MM-ddThh:mm:ss".
    QString Updated;
    std::string RankingJson;
    // The quoted entity tag of RankingJson.
    std::string RankingTag;
    // By entry number.
    std::map<int, std::string> EntrantJson;
    // The loudness graph of each entrant whose recording could be drawn, as
    // SVG, by entry number.
    std::map<int, std::string> Graphs;

    const HallEntrant* Find(int entryNo) const;
};

using HallSnapshotPtr = std::shared_ptr<const HallSnapshot>;

// The name the hall may show for an entry number; nothing when the entrant
// has none or names are not shown in the hall.
using EntrantNameLookup = std::function<std::optional<QString>(int entryNo)>;

// The snapshot of the stored entrants `logRecords` (in any order), ranked as
// the ranking file ranks them: the higher total first, the lower entry
// number first among equal totals.
HallSnapshotPtr BuildHallSnapshot(std::vector<ResultRecord> logRecords, const QDateTime& updated,
                                  const EntrantNameLookup& names, std::map<int, std::string> graphs);

// The snapshot of the contest's measurement log as it is now, carrying over
// the graphs of `previous` for the entrants still stored. Reads the log only;
// writes nothing. Nothing when the log cannot be read (the page then keeps
// showing what it showed).
HallSnapshotPtr ReadHallSnapshot(const ContestState& context, const QDateTime& updated, const EntrantNameLookup& names,
                                 const HallSnapshot* previous);
