#include "results/RankAnnouncement.h"

#include "core/DisplayFormat.h"

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
