#include "core/EntrantLevels.h"

#include "core/AtomicFile.h"
#include "core/ContestState.h"
#include "core/ContestValues.h"
#include "core/ProgramOptions.h"

#include <QFile>
#include <QList>
#include <cmath>

namespace {

const QString LevelsFile = QStringLiteral("soundlevels.csv");
const QByteArray Header = QByteArrayLiteral("entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm\n");
// Far more than a line for each of the entrants measured again and again.
constexpr qint64 LargestFile = 4 * 1024 * 1024;

QString LevelsPath(const ContestState& context)
{
    return context.Folder.FilePath(LevelsFile);
}

QByteArray Line(int entryNo, const EntrantLevel& level)
{
    const auto tenths = [](double db) { return QByteArray::number(db, 'f', 1); };
    return QByteArray::number(entryNo) + ',' + tenths(level.LAFmax) + ',' + tenths(level.LCpeak) + ',' + tenths(level.LAeq) + ',' +
           (level.Clipped ? '1' : '0') + ',' + QByteArray::number(level.OffsetDb, 'f', 2) + ',' +
           QByteArray::number(level.DistanceCm) + '\n';
}

std::optional<double> NumberWithin(const QByteArray& field, double low, double high)
{
    bool ok = false;
    const double number = field.toDouble(&ok);
    return ok && std::isfinite(number) && number >= low && number <= high ? std::optional(number) : std::nullopt;
}

// The entry number and level of a line, nothing when it is not one.
std::optional<std::pair<int, EntrantLevel>> Parse(const QByteArray& line)
{
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != 7)
        return std::nullopt;
    const auto entry = NumberWithin(fields[0], 1, MaxEntrants);
    const auto laFmax = NumberWithin(fields[1], -300, 400), lcPeak = NumberWithin(fields[2], -300, 400),
               laEq = NumberWithin(fields[3], -300, 400), offset = NumberWithin(fields[5], 0, 250),
               distance = NumberWithin(fields[6], 1, 1000);
    if (!entry || *entry != std::floor(*entry) || !laFmax || !lcPeak || !laEq || !offset || !distance ||
        (fields[4] != "0" && fields[4] != "1"))
        return std::nullopt;
    return std::pair{static_cast<int>(*entry),
                     EntrantLevel{*laFmax, *lcPeak, *laEq, fields[4] == "1", *offset, static_cast<int>(*distance)}};
}

}

std::variant<EntrantLevels, EntrantLevelsDamaged> ReadEntrantLevels(const ContestState& context)
{
    const QString path = LevelsPath(context);
    QFile file(path);
    if (!file.exists())
        return EntrantLevels{};
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestFile)
        return EntrantLevelsDamaged{path, 0};
    const QByteArray bytes = file.read(LargestFile);
    QList<QByteArray> lines = bytes.split('\n');
    // What follows the last line break is a line whose store was cut short.
    lines.removeLast();
    if (lines.isEmpty() || lines.front() + '\n' != Header)
        return EntrantLevelsDamaged{path, 1};
    EntrantLevels levels;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const auto parsed = Parse(lines[i]);
        if (!parsed)
            return EntrantLevelsDamaged{path, static_cast<int>(i + 1)};
        levels[parsed->first] = parsed->second;
    }
    return levels;
}

std::optional<std::variant<EntrantLevels, EntrantLevelsDamaged>> ReadShownLevels(const ContestState& context)
{
    const LevelCalibration calibration = LoadProgramOptions(context).Level;
    if (!calibration.OffsetDb || !calibration.Show)
        return std::nullopt;
    return ReadEntrantLevels(context);
}

std::optional<EntrantLevelNotWritten> StoreEntrantLevel(const ContestState& context, int entryNo, const EntrantLevel& level)
{
    const QString path = LevelsPath(context);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return EntrantLevelNotWritten{path};
    // A new file gets its header; a line cut short goes, so that the new one
    // starts a line of its own.
    qint64 end = file.size();
    QByteArray bytes = Line(entryNo, level);
    if (end == 0) {
        bytes.prepend(Header);
    } else {
        const qint64 tail = std::min<qint64>(end, 256);
        if (!file.seek(end - tail))
            return EntrantLevelNotWritten{path};
        const QByteArray last = file.read(tail);
        // No line of ours is that long: the file is not ours to cut.
        if (last.size() == 256 && !last.contains('\n'))
            return EntrantLevelNotWritten{path};
        end -= last.size() - (last.lastIndexOf('\n') + 1);
    }
    if (!file.resize(end) || !file.seek(end) || file.write(bytes) != bytes.size() || !file.flush())
        return EntrantLevelNotWritten{path};
    file.close();
    return SyncFile(path) ? std::nullopt : std::optional(EntrantLevelNotWritten{path});
}

std::optional<EntrantLevelNotWritten> ClearEntrantLevels(const ContestState& context)
{
    const QString path = LevelsPath(context);
    if (!QFile::exists(path) || WriteFileAtomically(path, Header))
        return std::nullopt;
    return EntrantLevelNotWritten{path};
}
