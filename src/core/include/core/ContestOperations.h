#pragma once

#include "core/ContestValues.h"
#include "core/ResultRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class ContestState;

// What happens to the entrant just measured, on the contest state.

// Rank of entrant `entryNo` among entrants 1 to `entryNo` by their totals in
// `scoreTable`: higher totals first, the earlier entrant first among equals.
int RankOfEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, int entryNo);

// Enters the total of the last analysis for the current entry number into
// the score table and returns that entrant's rank.
int RankMeasuredEntrant(ContestState& state);

// Stores the last analysis as the record of the current entry number and
// moves on to the next number. On failure "ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！",
// the record stays as it was and the entrant keeps the number.
bool StoreMeasuredResult(ContestState& state);

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
