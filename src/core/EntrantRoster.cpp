#include "core/EntrantRoster.h"

#include "core/AtomicFile.h"
#include "core/ContestValues.h"
#include "core/CsvText.h"

#include <QFile>
#include <QStringDecoder>
#include <set>

namespace {

const QString RosterFile = QStringLiteral("entrants.csv");
const QStringList HeaderRow = {QStringLiteral("エントリーNo"), QStringLiteral("名前"), QStringLiteral("所属")};
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// The line of the first byte sequence that is not UTF-8; 0 when all are.
int FirstLineNotUtf8(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        // The decoding runs when its result becomes a string.
        const QString line = decoder.decode(lines[i]);
        if (decoder.hasError())
            return int(i) + 1;
    }
    return 0;
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

int CharacterCount(const QString& text)
{
    return int(text.toUcs4().size());
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

// A row without a name (left by a spreadsheet) is passed over.
RosterRead ParseEntrantRoster(const QByteArray& bytes, const QString& path)
{
    const QByteArray body = bytes.startsWith(ByteOrderMark) ? bytes.mid(ByteOrderMark.size()) : bytes;
    if (const int badLine = FirstLineNotUtf8(body))
        return Damaged(path, badLine);
    const CsvTable table = ParseCsv(QString::fromUtf8(body));
    if (table.FaultLine)
        return Damaged(path, table.FaultLine);
    if (table.Records.empty() || table.Records.front().Fields != HeaderRow)
        return Damaged(path, table.Records.empty() ? 1 : table.Records.front().Line);
    RosterRead read;
    read.State = RosterRead::Outcome::Listed;
    std::set<int> seen;
    for (auto record = table.Records.begin() + 1; record != table.Records.end(); ++record) {
        const QStringList& fields = record->Fields;
        int number = 0;
        if (fields.size() > HeaderRow.size() || !IsEntryNumber(fields[0], number) || !seen.insert(number).second)
            return Damaged(path, record->Line);
        const EntrantName entrant{fields.value(1), fields.value(2)};
        if (CharacterCount(entrant.Name) > MaxEntrantTextLength || CharacterCount(entrant.Group) > MaxEntrantTextLength)
            return Damaged(path, record->Line);
        read.Roster.Set(number, entrant);
    }
    return read;
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
