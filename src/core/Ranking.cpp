#include "core/Ranking.h"

#include "core/ResultRecord.h"

#include <algorithm>

int RankOfNewEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, const RankedEntrant& entrant)
{
    int rank = 1;
    for (int earlier = 1; earlier < entrant.EntryNo; ++earlier) {
        if (RanksBefore({earlier, scoreTable[earlier]}, entrant))
            ++rank;
    }
    return rank;
}

void RankRecords(std::vector<ResultRecord>& records)
{
    std::sort(records.begin(), records.end(), [](const ResultRecord& a, const ResultRecord& b) {
        return RanksBefore({a.EntryNo, a.TotalPoints}, {b.EntryNo, b.TotalPoints});
    });
    for (size_t n = 0; n < records.size(); ++n)
        records[n].Rank = static_cast<int16_t>(n + 1);
}
