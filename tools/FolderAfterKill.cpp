#include "FolderAfterKill.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "core/ProgramFolder.h"
#include "core/WriteNotation.h"
#include "core/ContestValues.h"
#include "core/ResultRecord.h"
#include "core/SettingsFileFormat.h"

#include <QFile>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

const QString LogName = QStringLiteral("loudlog.dat");
const QString SetupRequestName = QStringLiteral("SKANRI.REC");

std::optional<QByteArray> ReadFile(const ProgramFolder& folder, const QString& name)
{
    QFile file(folder.FilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

ResultRecord RecordAt(const QByteArray& log, int entryNo)
{
    return ResultRecord::Decode(log.constData() + qsizetype(entryNo - 1) * ResultRecord::Size);
}

int WholeRecords(const QByteArray& log)
{
    return static_cast<int>(std::min<qsizetype>(log.size() / ResultRecord::Size, MaxEntrants));
}

int CountEntrants(const QByteArray& log)
{
    int entrants = 0;
    while (entrants < WholeRecords(log) && !RecordAt(log, entrants + 1).IsUnused())
        ++entrants;
    return entrants;
}

bool IsClearedLog(const QByteArray& log)
{
    if (log.size() != qsizetype(MaxEntrants) * ResultRecord::Size)
        return false;
    for (int n = 1; n <= MaxEntrants; ++n) {
        const ResultRecord record = RecordAt(log, n);
        if (!record.IsUnused() || record.EntryNo != n)
            return false;
    }
    return true;
}

int32_t Saturated(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::optional<QString> RecordingFault(const ProgramFolder& folder, int entryNo, const ResultRecord& record)
{
    const QString name = RecordingFileName(entryNo);
    if (record.EntryNo != entryNo)
        return QStringLiteral("record %1 holds entry number %2").arg(entryNo).arg(record.EntryNo);
    if (record.Quality < 0 || record.Quality > 2)
        return QStringLiteral("record %1 holds quality %2").arg(entryNo).arg(record.Quality);
    const QString path = folder.FilePath(name);
    if (!QFile::exists(path))
        return QStringLiteral("%1 of a stored entrant is missing").arg(name);
    const SampleWidth width = record.Quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16;
    const MeasureResult score = ScoreRecordingFile(path, width, record.NoiseCutLevel);
    if (score.TotalPoints.Value != record.TotalPoints || score.MaxPoints.Value != record.MaxPoints ||
        score.IntegPoints.Value != record.IntegPoints || score.SampleCount != record.SampleCount ||
        Saturated(score.MaxRaw) != record.MaxRaw || Saturated(score.IntegRaw) != record.IntegRaw)
        return QStringLiteral("%1 scores %2 points over %3 samples, its record %4 over %5")
            .arg(name)
            .arg(score.TotalPoints.Value)
            .arg(score.SampleCount)
            .arg(record.TotalPoints)
            .arg(record.SampleCount);
    return std::nullopt;
}

// A changed log: the records from before kept byte for byte, except the one
// after the last entrant, which a store may have filled.
void CheckChangedLog(const QByteArray& log, const QByteArray& old, FolderAfterKill& outcome)
{
    const int oldEntrants = CountEntrants(old);
    const qsizetype storedFrom = qsizetype(oldEntrants) * ResultRecord::Size;
    const qsizetype storedTo = storedFrom + ResultRecord::Size;
    const qsizetype expectedSize = std::max(old.size(), storedTo);
    if (log.size() != old.size() && log.size() != expectedSize) {
        outcome.Faults << QStringLiteral("%1 grew from %2 to %3 bytes").arg(LogName).arg(old.size()).arg(log.size());
        return;
    }
    for (qsizetype i = 0; i < std::min(log.size(), old.size()); ++i) {
        if ((i < storedFrom || i >= storedTo) && log[i] != old[i]) {
            outcome.Faults << QStringLiteral("record %1 of %2 changed").arg(i / ResultRecord::Size + 1).arg(LogName);
            return;
        }
    }
    if (oldEntrants >= MaxEntrants || log.mid(storedFrom, ResultRecord::Size) == old.mid(storedFrom, ResultRecord::Size))
        return;
    if (RecordAt(log, oldEntrants + 1).IsUnused())
        outcome.Faults << QStringLiteral("record %1 of %2 changed but holds no result").arg(oldEntrants + 1).arg(LogName);
    else
        outcome.ResultStored = true;
}

void CheckLog(const ProgramFolder& folder, const ProgramFolder& before, FolderAfterKill& outcome)
{
    const std::optional<QByteArray> log = ReadFile(folder, LogName);
    const std::optional<QByteArray> old = ReadFile(before, LogName);
    if (!log) {
        if (old)
            outcome.Faults << QStringLiteral("%1 is gone").arg(LogName);
        return;
    }
    if (log->size() % ResultRecord::Size != 0) {
        outcome.Faults << QStringLiteral("%1 holds %2 bytes, not whole records").arg(LogName).arg(log->size());
        return;
    }
    const QByteArray oldLog = old.value_or(QByteArray());
    if (*log != oldLog && IsClearedLog(*log))
        outcome.LogCleared = true;
    else if (*log != oldLog)
        CheckChangedLog(*log, oldLog, outcome);
    if (!outcome.Faults.isEmpty())
        return;
    outcome.Entrants = CountEntrants(*log);
    for (int n = 1; n <= outcome.Entrants; ++n) {
        if (const std::optional<QString> fault = RecordingFault(folder, n, RecordAt(*log, n)))
            outcome.Faults << *fault;
    }
}

template <class Group>
bool IsWholeSettingsFile(const QByteArray& bytes)
{
    Group group;
    return ParseSettings(bytes, group) && SerializeSettings(group) == bytes;
}

bool IsWholeSetupRequest(const QByteArray& bytes)
{
    WriteNotationReader reader(bytes);
    bool request = false;
    bool companion = false;
    if (!reader.ReadBoolean(request) || !reader.ReadBoolean(companion))
        return false;
    WriteNotationWriter writer;
    writer.WriteBoolean(request);
    writer.WriteBoolean(companion);
    return writer.Bytes() == bytes;
}

bool IsWholeFile(const QString& name, const QByteArray& bytes)
{
    if (name == QStringLiteral("KANKYOU1.REC"))
        return IsWholeSettingsFile<BasicSettings>(bytes);
    if (name == QStringLiteral("KANKYOU2.REC"))
        return IsWholeSettingsFile<ScreenSettings>(bytes);
    if (name == QStringLiteral("KANKYOU3.REC"))
        return IsWholeSettingsFile<SoundSettings>(bytes);
    if (name == QStringLiteral("KANKYOU4.REC"))
        return IsWholeSettingsFile<EffectSettings>(bytes);
    if (name == QStringLiteral("KANKYOUB.REC"))
        return IsWholeSettingsFile<MicSettings>(bytes);
    return IsWholeSetupRequest(bytes);
}

void CheckSettings(const ProgramFolder& folder, const ProgramFolder& before, FolderAfterKill& outcome)
{
    for (const QString& name : KeptFileNames()) {
        if (name == LogName)
            continue;
        const std::optional<QByteArray> now = ReadFile(folder, name);
        const std::optional<QByteArray> old = ReadFile(before, name);
        if (!now) {
            if (old)
                outcome.Faults << QStringLiteral("%1 is gone").arg(name);
            continue;
        }
        if (now == old)
            continue;
        outcome.ChangedSettings << name;
        if (!IsWholeFile(name, *now))
            outcome.Faults << QStringLiteral("%1 is not a whole file (%2 bytes)").arg(name).arg(now->size());
    }
}

}

QStringList KeptFileNames()
{
    return {LogName,
            QStringLiteral("KANKYOU1.REC"),
            QStringLiteral("KANKYOU2.REC"),
            QStringLiteral("KANKYOU3.REC"),
            QStringLiteral("KANKYOU4.REC"),
            QStringLiteral("KANKYOUB.REC"),
            SetupRequestName};
}

FolderAfterKill CheckFolderAfterKill(const QString& folder, const QString& before)
{
    FolderAfterKill outcome;
    const ProgramFolder now(folder);
    const ProgramFolder old(before);
    CheckLog(now, old, outcome);
    CheckSettings(now, old, outcome);
    return outcome;
}
