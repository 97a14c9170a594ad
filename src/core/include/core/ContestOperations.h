#pragma once

#include "core/ContestValues.h"
#include "core/MeasureResult.h"
#include "core/Ranking.h"
#include "core/ResultRecord.h"
#include "core/StoreFailures.h"

#include <array>
#include <cstdint>
#include <variant>
#include <vector>

class ContestState;

// What happens to the entrant just measured, on the contest state.

// The entrant measured just now under the state's settings.
MeasuredEntrant MeasuredNow(const ContestState& state, int entryNo, const MeasureResult& result);

// Rank of `entrant` among itself and the entrants before it, whose totals
// `scoreTable` holds by entry number.
int RankOfNewEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, const RankedEntrant& entrant);

struct EntrantRecorded {
    int Rank = 0;
};
// The log could not be written: the record stays as it was and the entrant
// keeps its number.
struct LogWriteFailed {};

// Stores the entrant's result as its record of the log, enters its total in
// the score table and moves on to the next entry number.
std::variant<EntrantRecorded, LogWriteFailed> RecordEntrant(ContestState& state, const MeasuredEntrant& entrant);

// The lists of stored entrants: in entry order as the measurement log holds
// them, in rank order as the ranking file of the last ranking pass does.
enum class EntrantOrder { ByEntry, ByRank };

// The stored entrants in that order, or the file that could not be read: a
// damaged log lists nobody, so that it never passes for an empty contest.
using EntrantList = std::variant<std::vector<ResultRecord>, ContestFileUnreadable>;
EntrantList ListEntrants(ContestState& state, EntrantOrder order);

// Ranks every stored entrant anew (ranking file and the ranks in the log),
// then lists them in that order, each with its new rank.
EntrantList RankAndListEntrants(ContestState& state, EntrantOrder order);
