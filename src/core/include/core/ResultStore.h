#pragma once

#include "core/LoadedEntrant.h"
#include "core/MeasureResult.h"
#include "core/ResultRecord.h"
#include "core/StoreFailures.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class ContestState;

// The contest's measurement log "loudlog.dat" (record n is entry number n)
// and the ranking file "loudjni.dat".
// A missing log is created empty; records beyond the end of a short log read
// as unused, and a read never shortens the log. A log whose length is not a
// whole number of records, that holds more than 3000 records, or whose
// entrants do not carry their own entry numbers, is damaged: every operation
// below treats it as unreadable.

// The first unused entry number, 1 to 3001; fills ScoreTable and
// LogHasEntries. Nothing when the log cannot be created or read, or is damaged.
std::optional<int16_t> ScanLog(ContestState& context);

// Ranks the entrants (higher total first, the lower entry number first among
// equal totals) into the ranking file, ended by a record whose total is -1,
// and writes each entrant's rank into the log. RankingNotRebuilt when the
// log cannot be read or is damaged, or either file cannot be written; a file
// not written stays as it was.
std::optional<RankingNotRebuilt> RebuildRanking(ContestState& context);

// A record of the log that no entrant uses yet.
struct UnusedRecord {};

// The entrant stored as record `entryNo`; UnusedRecord for an unused record,
// EntrantUnreadable when the log cannot be read or the record's remark is not
// code page 932 text.
std::variant<LoadedEntrant, UnusedRecord, EntrantUnreadable> LoadEntrant(const ContestState& context, int entryNo);

// The stored record, or why the result was not stored.
using StoreOutcome = std::variant<ResultRecord, LogWriteFailed>;

// Writes the entrant's result, with the quality, noise cut, seconds and time
// it was measured with, into its record of the log, keeping the record's
// remark and rank, and answers with the record as written. Raw sums beyond
// the 32-bit fields are stored as 2147483647; the points are unaffected. On
// failure (the log unreadable or damaged, the record already in use, the
// write failed) the record stays as it was.
StoreOutcome StoreResult(ContestState& context, const MeasuredEntrant& entrant);

// The records of the log or the ranking file at `path` from the first up to
// the first unused one, at most 3000. Nothing when the file cannot be read.
std::optional<std::vector<ResultRecord>> ReadEntrants(const QString& path);

// The entrants of the measurement log at `path`, as ReadEntrants reads them;
// nothing when the log cannot be read or is damaged, as ScanLog judges it.
std::optional<std::vector<ResultRecord>> ReadLogEntrants(const QString& path);

// Rewrites all 3000 records as unused; LogNotCleared when the log could not
// be replaced, which then stays as it was.
std::optional<LogNotCleared> ClearLog(const ContestState& context);
