#include "core/EntrantImport.h"

#include "core/ContestValues.h"
#include "core/SpreadsheetText.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

using Rows = std::vector<CsvRecord>;

// Digits only, half- or full-width ("１２"); a number too long for an int
// reads as 0, which no entrant has.
std::optional<int> EntryNumber(const QString& cell)
{
    const QString digits = cell.normalized(QString::NormalizationForm_KC).trimmed();
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return digits.toInt();
}

// Cells as the list keeps them; rows with no cell filled are dropped.
Rows FilledRows(const Rows& records)
{
    Rows rows;
    for (const CsvRecord& record : records) {
        QStringList cells;
        for (const QString& field : record.Fields)
            cells << OneLineEntrantText(field);
        if (std::any_of(cells.begin(), cells.end(), [](const QString& cell) { return !cell.isEmpty(); }))
            rows.push_back({record.Line, cells});
    }
    return rows;
}

// Drops the columns no row fills, the header's included (Excel's empty
// columns between the used ones); a column with a title is one.
Rows WithoutEmptyColumns(Rows rows)
{
    qsizetype width = 0;
    for (const CsvRecord& row : rows)
        width = std::max(width, row.Fields.size());
    for (qsizetype column = width - 1; column >= 0; --column) {
        const bool empty = std::all_of(rows.begin(), rows.end(), [column](const CsvRecord& row) { return row.Fields.value(column).isEmpty(); });
        if (empty)
            for (CsvRecord& row : rows)
                if (column < row.Fields.size())
                    row.Fields.removeAt(column);
    }
    return rows;
}

// Numbered when most rows after the first (the only row, for one) start
// with a number: a header above them is no data, and a stray name is a fault
// to name rather than a reason to read the numbers as names.
bool IsNumbered(const Rows& rows)
{
    const auto data = rows.size() > 1 ? rows.begin() + 1 : rows.begin();
    const auto numbered = std::count_if(data, rows.end(), [](const CsvRecord& row) { return EntryNumber(row.Fields.value(0)).has_value(); });
    return 2 * numbered > rows.end() - data;
}

EntrantImport Failed(EntrantImport::Fault fault, int line)
{
    EntrantImport import;
    import.Problem = fault;
    import.Line = line;
    return import;
}

struct ListedRow {
    int Line = 0;
    int Number = 0;
    EntrantName Entrant;
};

EntrantImport Listed(const std::vector<ListedRow>& listed)
{
    EntrantImport import;
    std::set<int> seen;
    for (const auto& [line, number, entrant] : listed) {
        if (number < 1 || number > MaxEntrants || !seen.insert(number).second)
            return Failed(EntrantImport::Fault::BadNumber, line);
        if (CharacterCount(entrant.Name) > MaxEntrantTextLength || CharacterCount(entrant.Group) > MaxEntrantTextLength)
            return Failed(EntrantImport::Fault::TooLong, line);
        import.Roster.Set(number, entrant);
    }
    if (import.Roster.IsEmpty())
        return Failed(EntrantImport::Fault::NoNames, 0);
    return import;
}

EntrantImport ReadNumbered(Rows rows)
{
    if (!EntryNumber(rows.front().Fields.value(0)))
        rows.erase(rows.begin());
    std::vector<ListedRow> listed;
    for (const CsvRecord& row : rows) {
        const std::optional<int> number = EntryNumber(row.Fields.value(0));
        if (!number)
            return Failed(EntrantImport::Fault::BadNumber, row.Line);
        listed.push_back({row.Line, *number, {row.Fields.value(1), row.Fields.value(2)}});
    }
    return Listed(listed);
}

EntrantImport ReadUnnumbered(Rows rows, UnnumberedFirstRow firstRow)
{
    if (firstRow == UnnumberedFirstRow::Header)
        rows.erase(rows.begin());
    std::vector<ListedRow> listed;
    for (const CsvRecord& row : rows)
        listed.push_back({row.Line, int(listed.size()) + 1, {row.Fields.value(0), row.Fields.value(1)}});
    EntrantImport import = Listed(listed);
    import.FirstRowInDoubt = true;
    return import;
}

}

EntrantImport ImportEntrantSpreadsheet(const QByteArray& bytes, UnnumberedFirstRow firstRow)
{
    const SpreadsheetText decoded = DecodeSpreadsheet(bytes);
    if (!decoded.Text)
        return Failed(EntrantImport::Fault::Unreadable, decoded.FaultLine);
    const CsvTable table = ParseCsv(*decoded.Text);
    if (table.FaultLine)
        return Failed(EntrantImport::Fault::Unreadable, table.FaultLine);
    const Rows rows = WithoutEmptyColumns(FilledRows(table.Records));
    if (rows.empty())
        return Failed(EntrantImport::Fault::NoNames, 0);
    EntrantImport import = IsNumbered(rows) ? ReadNumbered(rows) : ReadUnnumbered(rows, firstRow);
    import.FirstRows.assign(rows.begin(), rows.begin() + std::min<qsizetype>(2, qsizetype(rows.size())));
    return import;
}
