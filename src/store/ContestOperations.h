#pragma once

#include "store/ContestValues.h"

#include <array>
#include <cstdint>

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
