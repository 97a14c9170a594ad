#include "core/EntrantImport.h"

#include "core/ContestValues.h"
#include "core/Cp932.h"
#include "core/CsvText.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <set>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

std::optional<QString> DecodeSpreadsheet(const QByteArray& bytes)
{
    if (bytes.startsWith(ByteOrderMark))
        return QString::fromUtf8(bytes.mid(ByteOrderMark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeCp932(bytes);
}

bool IsNumber(const QString& field)
{
    bool ok = false;
    field.trimmed().toInt(&ok);
    return ok;
}

bool IsHeading(const QString& field)
{
    static const QStringList headings = {QStringLiteral("エントリーNo"), QStringLiteral("エントリー番号"),
                                         QStringLiteral("No"),           QStringLiteral("No."),
                                         QStringLiteral("番号"),         QStringLiteral("名前"),
                                         QStringLiteral("氏名"),         QStringLiteral("Name")};
    return headings.contains(field.trimmed(), Qt::CaseInsensitive);
}

bool IsHeader(const std::vector<CsvRecord>& records)
{
    const QString& first = records.front().Fields.constFirst();
    if (IsHeading(first))
        return true;
    return !IsNumber(first) && records.size() > 1 &&
           std::all_of(records.begin() + 1, records.end(), [](const CsvRecord& record) { return IsNumber(record.Fields.constFirst()); });
}

EntrantImport Failed(EntrantImport::Fault fault, int line)
{
    EntrantImport import;
    import.Problem = fault;
    import.Line = line;
    return import;
}

}

EntrantImport ImportEntrantSpreadsheet(const QByteArray& bytes)
{
    const std::optional<QString> text = DecodeSpreadsheet(bytes);
    if (!text)
        return Failed(EntrantImport::Fault::Unreadable, 1);
    CsvTable table = ParseCsv(*text);
    if (table.FaultLine)
        return Failed(EntrantImport::Fault::Unreadable, table.FaultLine);
    std::vector<CsvRecord>& records = table.Records;
    if (!records.empty() && IsHeader(records))
        records.erase(records.begin());
    const bool numbered = std::all_of(records.begin(), records.end(),
                                      [](const CsvRecord& record) { return IsNumber(record.Fields.constFirst()); });
    EntrantImport import;
    std::set<int> seen;
    int row = 0;
    for (const CsvRecord& record : records) {
        const int number = numbered ? record.Fields.constFirst().trimmed().toInt() : ++row;
        if (number < 1 || number > MaxEntrants || !seen.insert(number).second)
            return Failed(EntrantImport::Fault::BadNumber, record.Line);
        const int first = numbered ? 1 : 0;
        const EntrantName entrant{record.Fields.value(first).trimmed(), record.Fields.value(first + 1).trimmed()};
        if (CharacterCount(entrant.Name) > MaxEntrantTextLength || CharacterCount(entrant.Group) > MaxEntrantTextLength)
            return Failed(EntrantImport::Fault::TooLong, record.Line);
        import.Roster.Set(number, entrant);
    }
    return import;
}
