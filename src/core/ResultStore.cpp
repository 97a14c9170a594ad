#include "core/ResultStore.h"

#include "core/ContestState.h"
#include "core/AtomicFile.h"
#include "core/AutomationDate.h"
#include "core/Cp932.h"
#include "core/Ranking.h"
#include "core/ResultRecord.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int RankOffset = 44;

int WholeRecords(const QByteArray& bytes)
{
    return static_cast<int>(bytes.size() / ResultRecord::Size);
}

ResultRecord RecordAt(const QByteArray& bytes, int entryNo)
{
    if (entryNo > WholeRecords(bytes))
        return ResultRecord::Missing(static_cast<int16_t>(entryNo));
    return ResultRecord::Decode(bytes.constData() + qsizetype(ResultRecord::Size) * (entryNo - 1));
}

// Number of entrants: the records before the first unused one.
int CountEntrants(const QByteArray& log)
{
    for (int n = 1; n <= MaxEntrants; ++n) {
        if (RecordAt(log, n).IsUnused())
            return n - 1;
    }
    return MaxEntrants;
}

// A log cut in the middle of a record, longer than its 3000 records, or
// whose entrants do not carry their own numbers, is not the log this program
// wrote: reading on would name the wrong next entrant and overwrite a
// recording, and rewriting it would lose what lies beyond the records read.
bool IsWholeLog(qint64 fileSize, const QByteArray& log)
{
    if (fileSize % ResultRecord::Size != 0 || fileSize > qint64(ResultRecord::Size) * MaxEntrants)
        return false;
    const int entrants = CountEntrants(log);
    for (int n = 1; n <= entrants; ++n) {
        if (RecordAt(log, n).EntryNo != n)
            return false;
    }
    return true;
}

// The records of a log or ranking file, created empty when missing, with the
// file's whole length.
std::optional<std::pair<QByteArray, qint64>> ReadRecordFile(const QString& path)
{
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly))
        return std::nullopt;
    file.close();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(qint64(ResultRecord::Size) * MaxEntrants);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return std::make_pair(bytes, file.size());
}

// The records of the measurement log; nothing when it cannot be read or is
// damaged.
std::optional<QByteArray> ReadLog(const QString& path)
{
    const auto file = ReadRecordFile(path);
    if (!file || !IsWholeLog(file->second, file->first))
        return std::nullopt;
    return file->first;
}

std::vector<ResultRecord> EntrantsOf(const QByteArray& bytes)
{
    const int entrants = CountEntrants(bytes);
    std::vector<ResultRecord> records;
    records.reserve(static_cast<size_t>(entrants));
    for (int n = 1; n <= entrants; ++n)
        records.push_back(RecordAt(bytes, n));
    return records;
}

int32_t SaturateToLong(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool WriteAt(QFile& file, qint64 offset, const QByteArray& bytes)
{
    return file.seek(offset) && file.write(bytes) == bytes.size() && file.flush();
}

}

std::optional<int16_t> ScanLog(ContestState& context)
{
    const std::optional<QByteArray> log = ReadLog(context.LogPath());
    if (!log)
        return std::nullopt;
    const int entrants = CountEntrants(*log);
    for (int n = 1; n <= entrants; ++n)
        context.Contest.ScoreTable[n] = RecordAt(*log, n).TotalPoints;
    const auto firstUnused = static_cast<int16_t>(entrants + 1);
    context.Contest.LogHasEntries = firstUnused > 1;
    return firstUnused;
}

std::optional<RankingNotRebuilt> RebuildRanking(ContestState& context)
{
    std::optional<QByteArray> log = ReadLog(context.LogPath());
    if (!log)
        return RankingNotRebuilt{context.LogPath()};
    std::vector<ResultRecord> ranked = EntrantsOf(*log);
    RankRecords(ranked);

    QByteArray ranking;
    for (const ResultRecord& record : ranked) {
        ranking += record.Encode();
        qToLittleEndian(record.Rank, log->data() + qsizetype(ResultRecord::Size) * (record.EntryNo - 1) + RankOffset);
    }
    // The end mark is the last entrant's record with its total cleared.
    ResultRecord last = ranked.empty() ? ResultRecord() : ranked.back();
    if (ranked.empty())
        last.Rank = 0;
    last.TotalPoints = ResultRecord::Unused;
    ranking += last.Encode();

    if (!WriteFileAtomically(context.RankingPath(), ranking))
        return RankingNotRebuilt{context.RankingPath()};
    if (!ranked.empty() && !WriteFileAtomically(context.LogPath(), *log))
        return RankingNotRebuilt{context.LogPath()};
    return std::nullopt;
}

std::variant<LoadedEntrant, UnusedRecord, EntrantUnreadable> LoadEntrant(const ContestState& context, int entryNo)
{
    // The range first: a number outside it would decode bytes outside the log.
    const bool inRange = entryNo >= 1 && entryNo <= MaxEntrants;
    const std::optional<QByteArray> log = inRange ? ReadLog(context.LogPath()) : std::nullopt;
    const ResultRecord record = log ? RecordAt(*log, entryNo) : ResultRecord();
    const std::optional<QString> remark = DecodeCp932(QByteArray(record.Remark.data(), qsizetype(record.Remark.size())));
    if (!log || !remark)
        return EntrantUnreadable{entryNo};
    if (record.IsUnused())
        return UnusedRecord{};
    return LoadedEntrant{record.EntryNo,
                         record.TotalPoints,
                         record.MaxPoints,
                         record.MaxRaw,
                         record.IntegPoints,
                         record.IntegRaw,
                         record.SampleCount,
                         *remark,
                         record.Rank,
                         FormatDateTime(FromAutomationDate(record.MeasuredAt)),
                         record.NoiseCutLevel,
                         record.MeasureSeconds,
                         static_cast<RecordingQuality>(record.Quality)};
}

StoreOutcome StoreResult(ContestState& context, const MeasuredEntrant& entrant)
{
    const int entryNo = entrant.EntryNo;
    const MeasureResult& result = entrant.Result;
    const std::optional<int16_t> total = result.TotalPoints.ToInt16();
    const std::optional<int16_t> maxPoints = result.MaxPoints.ToInt16();
    const std::optional<int16_t> integPoints = result.IntegPoints.ToInt16();
    if (entryNo < 1 || entryNo > MaxEntrants || !total || !maxPoints || !integPoints)
        return LogWriteFailed{entryNo, LogWriteFault::NotStorable};
    const std::optional<QByteArray> log = ReadLog(context.LogPath());
    if (!log)
        return LogWriteFailed{entryNo, LogWriteFault::LogUnreadable};

    // A record already in use belongs to an entrant that another copy of the
    // program, or an earlier store, has written; it is never overwritten.
    ResultRecord record = RecordAt(*log, entryNo);
    if (!record.IsUnused())
        return LogWriteFailed{entryNo, LogWriteFault::RecordInUse};
    record.EntryNo = static_cast<int16_t>(entryNo);
    record.TotalPoints = *total;
    record.MaxPoints = *maxPoints;
    record.IntegPoints = *integPoints;
    record.MaxRaw = SaturateToLong(result.MaxRaw);
    record.IntegRaw = SaturateToLong(result.IntegRaw);
    record.SampleCount = result.SampleCount;
    record.MeasuredAt = ToAutomationDate(entrant.MeasuredAt);
    record.Reserved1 = -1;
    record.Reserved2 = 0;
    record.Reserved3 = 0;
    record.NoiseCutLevel = entrant.NoiseCutLevel;
    record.MeasureSeconds = entrant.MeasureSeconds;
    record.Quality = static_cast<int16_t>(entrant.Quality);

    // Entrants follow each other without a gap: records missing before this
    // one are written as unused rather than left as zeros.
    const int whole = WholeRecords(*log);
    const int firstWritten = std::min(whole + 1, entryNo);
    QByteArray bytes;
    for (int n = firstWritten; n < entryNo; ++n)
        bytes += ResultRecord::Missing(static_cast<int16_t>(n)).Encode();
    bytes += record.Encode();

    QFile file(context.LogPath());
    if (!file.open(QIODevice::ReadWrite) || !WriteAt(file, qint64(ResultRecord::Size) * (firstWritten - 1), bytes))
        return LogWriteFailed{entryNo, LogWriteFault::NotWritten};
    return record;
}

std::optional<std::vector<ResultRecord>> ReadEntrants(const QString& path)
{
    const auto file = ReadRecordFile(path);
    if (!file)
        return std::nullopt;
    return EntrantsOf(file->first);
}

std::optional<std::vector<ResultRecord>> ReadLogEntrants(const QString& path)
{
    const std::optional<QByteArray> log = ReadLog(path);
    if (!log)
        return std::nullopt;
    return EntrantsOf(*log);
}

std::optional<LogNotCleared> ClearLog(const ContestState& context)
{
    QByteArray log;
    log.reserve(ResultRecord::Size * MaxEntrants);
    for (int n = 1; n <= MaxEntrants; ++n)
        log += ResultRecord::Cleared(static_cast<int16_t>(n), ToAutomationDate(context.Now())).Encode();
    if (WriteFileAtomically(context.LogPath(), log))
        return std::nullopt;
    return LogNotCleared{context.LogPath()};
}
