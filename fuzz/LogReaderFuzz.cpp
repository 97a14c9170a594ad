// Arbitrary bytes as the measurement log of a program folder: the scan for
// the next entrant, the load of a record of any entry number and the ranking
// pass must never crash. The scan names an entry number of the log or
// nothing, a record outside the log changes no text, and the ranking pass
// changes nothing in the log but the rank fields and ranks the leading used
// records in order of their totals.
#include "core/ContestState.h"
#include "core/ResultRecord.h"
#include "core/ResultStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int RankOffset = 44;
constexpr int TotalOffset = 2;

// Shared memory where there is some: the ranking pass syncs what it writes.
const QString& FolderPath()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/zuvelo-log-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/zuvelo-log-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

int16_t Field(const QByteArray& bytes, int record, int offset)
{
    return qFromLittleEndian<int16_t>(bytes.constData() + qsizetype(record) * ResultRecord::Size + offset);
}

// The records before the first unused one among the whole records.
int LeadingUsedRecords(const QByteArray& log)
{
    const int whole = static_cast<int>(log.size() / ResultRecord::Size);
    int used = 0;
    while (used < std::min(whole, MaxEntrants) && Field(log, used, TotalOffset) != ResultRecord::Unused)
        ++used;
    return used;
}

// Input: the entry number to load (16 bits), a tiling byte, a tiled length
// (16 bits), then the log. With an odd tiling byte the log bytes are repeated
// up to the tiled length, so that long and full logs are reached too, and
// logs longer than the 3000 records the program ever writes.
QByteArray LogOf(const uint8_t* data, size_t size)
{
    const QByteArray pattern(reinterpret_cast<const char*>(data) + 5, static_cast<qsizetype>(size - 5));
    if (!(data[2] & 1) || pattern.isEmpty())
        return pattern;
    const qsizetype records = qFromLittleEndian<uint16_t>(data + 3) % (MaxEntrants + 101);
    const qsizetype length = records * ResultRecord::Size + (data[2] >> 1) % ResultRecord::Size;
    QByteArray log;
    log.reserve(length + pattern.size());
    while (log.size() < length)
        log += pattern;
    log.truncate(length);
    return log;
}

void CheckScan(ContestState& context)
{
    const std::optional<int16_t> next = ScanLog(context);
    Check(!next || (*next >= 1 && *next <= MaxEntrants + 1));
}

void CheckLoad(ContestState& context, int entryNo)
{
    const auto loaded = LoadEntrant(context, entryNo);
    const LoadedEntrant* entrant = std::get_if<LoadedEntrant>(&loaded);
    Check(!entrant || (entryNo >= 1 && entryNo <= MaxEntrants && entrant->TotalPoints != ResultRecord::Unused));
}

void CheckRanking(ContestState& context, const QByteArray& log)
{
    RebuildRanking(context);
    const QByteArray after = ReadFile(context.LogPath());
    Check(after.size() == log.size());
    for (qsizetype i = 0; i < log.size(); ++i) {
        const qsizetype inRecord = i % ResultRecord::Size;
        const bool rankByte = inRecord == RankOffset || inRecord == RankOffset + 1;
        const bool inWholeRecord = i < log.size() - log.size() % ResultRecord::Size;
        Check(after[i] == log[i] || (rankByte && inWholeRecord));
    }
    if (!QFile::exists(context.RankingPath()))
        return;
    const QByteArray ranking = ReadFile(context.RankingPath());
    const int ranked = LeadingUsedRecords(log);
    Check(ranking.size() == qsizetype(ranked + 1) * ResultRecord::Size);
    for (int r = 0; r < ranked; ++r) {
        Check(Field(ranking, r, RankOffset) == r + 1);
        Check(Field(ranking, r, TotalOffset) != ResultRecord::Unused);
        Check(r == 0 || Field(ranking, r, TotalOffset) <= Field(ranking, r - 1, TotalOffset));
    }
    Check(Field(ranking, ranked, TotalOffset) == ResultRecord::Unused);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    ContestState context(FolderPath());
    QFile::remove(context.RankingPath());
    const QByteArray log = LogOf(data, size);
    WriteFile(context.LogPath(), log);

    CheckScan(context);
    CheckLoad(context, qFromLittleEndian<int16_t>(data));
    CheckRanking(context, log);
    return 0;
}
