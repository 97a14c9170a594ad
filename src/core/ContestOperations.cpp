#include "core/ContestOperations.h"

#include "core/AtomicFile.h"
#include "core/ContestState.h"
#include "core/Ranking.h"
#include "core/RecordingFile.h"
#include "core/ResultStore.h"

MeasuredEntrant MeasuredNow(const ContestState& state, int entryNo, const MeasureResult& result)
{
    return MeasuredEntrant{entryNo, result, state.Settings.Mic.Quality, state.Settings.Mic.NoiseCutLevel,
                           state.Settings.Basic.MeasureSeconds, state.Now()};
}

std::variant<EntrantRecorded, LogWriteFailed> RecordEntrant(ContestState& state, const MeasuredEntrant& entrant)
{
    // The recording was saved without waiting for the disk; a stored record
    // must not outlive it in a power cut.
    if (!SyncFile(state.Folder.FilePath(RecordingFileName(entrant.EntryNo))))
        return LogWriteFailed{entrant.EntryNo, LogWriteFault::RecordingNotFlushed};
    // The levels go first, so that a stored record never lacks the levels it
    // was measured with.
    std::optional<EntrantLevelNotWritten> levelFault;
    if (entrant.Level)
        levelFault = StoreEntrantLevel(state, entrant.EntryNo, *entrant.Level);
    StoreOutcome stored = StoreResult(state, entrant);
    const ResultRecord* record = std::get_if<ResultRecord>(&stored);
    if (!record)
        return std::get<LogWriteFailed>(stored);
    state.Contest.ScoreTable[entrant.EntryNo] = record->TotalPoints;
    state.Contest.EntryNo = static_cast<int16_t>(entrant.EntryNo + 1);
    return EntrantRecorded{*record, RankOfNewEntrant(state.Contest.ScoreTable, {record->EntryNo, record->TotalPoints}),
                           levelFault ? std::nullopt : entrant.Level, levelFault};
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

