#include "core/EntrantRoster.h"

#include "core/AtomicFile.h"
#include "core/ContestValues.h"
#include "core/CsvText.h"
#include "core/SpreadsheetText.h"

#include <QFile>
#include <QFileInfo>
#include <set>

namespace {

const QString RosterFile = QStringLiteral("entrants.csv");
const QStringList HeaderRow = {QStringLiteral("エントリーNo"), QStringLiteral("名前"), QStringLiteral("所属")};
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// A spreadsheet leaves empty cells after the last one filled.
QStringList WithoutTrailingEmpties(QStringList fields)
{
    while (!fields.isEmpty() && fields.constLast().trimmed().isEmpty())
        fields.removeLast();
    return fields;
}

RosterRead Damaged(const QString& path, int line)
{
    RosterRead read;
    read.State = RosterRead::Outcome::Damaged;
    read.File = path;
    read.Line = line;
    return read;
}

bool IsEntryNumber(const QString& field, int& number)
{
    bool ok = false;
    number = field.toInt(&ok);
    return ok && number >= 1 && number <= MaxEntrants;
}

}

const EntrantName* EntrantRoster::Find(int entryNo) const
{
    const auto found = Named.find(entryNo);
    return found == Named.end() ? nullptr : &found->second;
}

QString EntrantRoster::NameOf(int entryNo) const
{
    const EntrantName* entrant = Find(entryNo);
    return entrant ? entrant->Name : QString();
}

void EntrantRoster::Set(int entryNo, const EntrantName& entrant)
{
    if (entrant.Name.isEmpty())
        Named.erase(entryNo);
    else
        Named[entryNo] = entrant;
}

QString EntrantRosterPath(const ProgramFolder& folder)
{
    return folder.FilePath(RosterFile);
}

RosterRead ReadEntrantRoster(const ProgramFolder& folder)
{
    const QString path = EntrantRosterPath(folder);
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return Damaged(path, 0);
    return ParseEntrantRoster(file.readAll(), path);
}

// A row without a name is passed over. The list saved again by a
// spreadsheet (code page 932, rows of empty cells, empty cells after the
// group, a name with a line break) reads as it meant.
RosterRead ParseEntrantRoster(const QByteArray& bytes, const QString& path)
{
    const SpreadsheetText decoded = DecodeSpreadsheet(bytes);
    if (!decoded.Text)
        return Damaged(path, decoded.FaultLine);
    const CsvTable table = ParseCsv(*decoded.Text);
    if (table.FaultLine)
        return Damaged(path, table.FaultLine);
    if (table.Records.empty() || WithoutTrailingEmpties(table.Records.front().Fields) != HeaderRow)
        return Damaged(path, table.Records.empty() ? 1 : table.Records.front().Line);
    RosterRead read;
    read.State = RosterRead::Outcome::Listed;
    std::set<int> seen;
    for (auto record = table.Records.begin() + 1; record != table.Records.end(); ++record) {
        const QStringList fields = WithoutTrailingEmpties(record->Fields);
        if (fields.isEmpty())
            continue;
        int number = 0;
        if (fields.size() > HeaderRow.size() || !IsEntryNumber(fields[0], number) || !seen.insert(number).second)
            return Damaged(path, record->Line);
        const EntrantName entrant{OneLineEntrantText(fields.value(1)), OneLineEntrantText(fields.value(2))};
        if (CharacterCount(entrant.Name) > MaxEntrantTextLength || CharacterCount(entrant.Group) > MaxEntrantTextLength)
            return Damaged(path, record->Line);
        read.Roster.Set(number, entrant);
    }
    return read;
}

std::optional<QByteArray> EntrantRosterBytes(const ProgramFolder& folder)
{
    QFile file(EntrantRosterPath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool IsEntrantRosterReadOnly(const ProgramFolder& folder)
{
    const QFileInfo file(EntrantRosterPath(folder));
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return file.exists() && !(file.permissions() & anyWrite);
}

QByteArray EntrantRosterText(const EntrantRoster& roster)
{
    QString text = CsvLine(HeaderRow) + QStringLiteral("\r\n");
    for (const auto& [number, entrant] : roster.Entries())
        text += CsvLine({QString::number(number), entrant.Name, entrant.Group}) + QStringLiteral("\r\n");
    return ByteOrderMark + text.toUtf8();
}

bool WriteEntrantRoster(const ProgramFolder& folder, const EntrantRoster& roster)
{
    return WriteFileAtomically(EntrantRosterPath(folder), EntrantRosterText(roster));
}
