#pragma once

#include <cstdint>

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
