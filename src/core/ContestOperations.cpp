#include "core/ContestOperations.h"

#include "core/AtomicFile.h"
#include "core/ContestState.h"
#include "core/RecordingFile.h"
#include "core/ResultStore.h"

MeasuredEntrant MeasuredNow(const ContestState& state, int entryNo, const MeasureResult& result)
{
    return MeasuredEntrant{entryNo, result, state.Settings.Mic.Quality, state.Settings.Mic.NoiseCutLevel,
                           state.Settings.Basic.MeasureSeconds, state.Now()};
}

int RankOfNewEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, const RankedEntrant& entrant)
{
    int rank = 1;
    for (int earlier = 1; earlier < entrant.EntryNo; ++earlier) {
        if (RanksBefore({earlier, scoreTable[earlier]}, entrant))
            ++rank;
    }
    return rank;
}

std::variant<EntrantRecorded, LogWriteFailed> RecordEntrant(ContestState& state, const MeasuredEntrant& entrant)
{
    // The recording was saved without waiting for the disk; a stored record
    // must not outlive it in a power cut. The store refuses points that do not
    // fit the 16-bit record field, so the score table entry below always holds
    // them.
    if (!SyncFile(state.Folder.FilePath(RecordingFileName(entrant.EntryNo))) || !StoreResult(state, entrant))
        return LogWriteFailed{};
    state.Contest.ScoreTable[entrant.EntryNo] = *entrant.Result.TotalPoints.ToInt16();
    state.Contest.EntryNo = static_cast<int16_t>(entrant.EntryNo + 1);
    return EntrantRecorded{RankOfNewEntrant(state.Contest.ScoreTable, {entrant.EntryNo, entrant.Result.TotalPoints.Value})};
}

EntrantList ListEntrants(ContestState& state, EntrantOrder order)
{
    // A damaged log lists nobody, and the ranking derived from it neither.
    if (!ScanLog(state))
        return ContestFileUnreadable{state.LogPath()};
    const QString path = order == EntrantOrder::ByEntry ? state.LogPath() : state.RankingPath();
    if (std::optional<std::vector<ResultRecord>> entrants = ReadEntrants(path))
        return std::move(*entrants);
    return ContestFileUnreadable{path};
}

EntrantList RankAndListEntrants(ContestState& state, EntrantOrder order)
{
    RebuildRanking(state);
    return ListEntrants(state, order);
}
