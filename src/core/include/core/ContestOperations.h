#pragma once

#include "core/ContestValues.h"
#include "core/EntrantLevels.h"
#include "core/MeasureResult.h"
#include "core/ResultRecord.h"
#include "core/StoreFailures.h"

#include <cstdint>
#include <variant>
#include <vector>

class ContestState;

// What happens to the entrant just measured, on the contest state.

// The entrant measured just now under the state's settings.
MeasuredEntrant MeasuredNow(const ContestState& state, int entryNo, const MeasureResult& result);

// The entrant's record as stored, and its rank among the entrants stored so far.
struct EntrantRecorded {
    ResultRecord Record;
    int Rank = 0;
    // Its sound levels as stored beside the log, and the levels file when
    // they could not be: the entrant is stored all the same.
    std::optional<EntrantLevel> Level = {};
    std::optional<EntrantLevelNotWritten> LevelFault = {};
};

// Stores the entrant's result as its record of the log, enters its total in
// the score table and moves on to the next entry number. On failure the
// score table and the entry number stay as they were.
std::variant<EntrantRecorded, LogWriteFailed> RecordEntrant(ContestState& state, const MeasuredEntrant& entrant);

// The lists of stored entrants: in entry order as the measurement log holds
// them, in rank order as the ranking file of the last ranking pass does.
enum class EntrantOrder { ByEntry, ByRank };

// The stored entrants in that order, or the file that could not be read: a
// damaged log lists nobody, so that it never passes for an empty contest.
using EntrantList = std::variant<std::vector<ResultRecord>, ContestFileUnreadable>;
EntrantList ListEntrants(ContestState& state, EntrantOrder order);

