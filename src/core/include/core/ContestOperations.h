#pragma once

#include "core/ContestValues.h"
#include "core/MeasureResult.h"
#include "core/Ranking.h"
#include "core/ResultRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class ContestState;

// What happens to the entrant just measured, on the contest state.

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

// The stored entrants in that order. Nothing when the log is damaged or a
// file cannot be read; the operator has then been told which file.
std::optional<std::vector<ResultRecord>> ListEntrants(ContestState& state, EntrantOrder order);

// Ranks every stored entrant anew (ranking file and the ranks in the log),
// then lists them in that order, each with its new rank.
std::optional<std::vector<ResultRecord>> RankAndListEntrants(ContestState& state, EntrantOrder order);

// Tells the operator that the contest file at `path` cannot be read or is
// damaged, so that a damaged log never passes for an empty contest.
void ReportUnreadableFile(ContestState& state, const QString& path);
