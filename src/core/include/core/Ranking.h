#pragma once

#include "core/ContestValues.h"

#include <array>
#include <cstdint>
#include <vector>

struct ResultRecord;

// An entrant as the ranking sees it.
struct RankedEntrant {
    int EntryNo = 0;
    int64_t Total = 0;
};

// The order of the ranking: the higher total first, the lower entry number
// first among equal totals.
inline bool RanksBefore(const RankedEntrant& a, const RankedEntrant& b)
{
    if (a.Total != b.Total)
        return a.Total > b.Total;
    return a.EntryNo < b.EntryNo;
}

// Rank of `entrant` among itself and the entrants before it, whose totals
// `scoreTable` holds by entry number: its place in RankRecords of them all.
int RankOfNewEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, const RankedEntrant& entrant);

// Sorts the records into ranking order and gives each its rank, 1 upwards.
void RankRecords(std::vector<ResultRecord>& records);
