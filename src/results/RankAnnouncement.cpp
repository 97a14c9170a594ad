#include "results/RankAnnouncement.h"

#include "platform/DisplayFormat.h"

int RankOfEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, int entryNo)
{
    const int16_t total = scoreTable[entryNo];
    int rank = 1;
    for (int earlier = 1; earlier < entryNo; ++earlier) {
        if (scoreTable[earlier] >= total)
            ++rank;
    }
    return rank;
}

int RankSoundSlot(int rank, int entrants)
{
    if (rank == 1)
        return 2;
    if (rank == entrants)
        return 6;
    if (rank <= entrants * 0.2)
        return 3;
    if (rank < entrants * 0.8)
        return 4;
    return 5;
}

QString RankLabelText(int rank, int entrants)
{
    return FormatNumber(rank) + QStringLiteral("位/") + FormatNumber(entrants) + QStringLiteral("人中");
}

int NextBlinkPhase(int phase)
{
    return phase + 1 >= 3 ? 0 : phase + 1;
}
