#include "core/WriteNotation.h"

#include "core/Cp932.h"

namespace {

const QByteArray LineEnd("\r\n");
const QString TrueLiteral = QStringLiteral("#TRUE#");
const QString FalseLiteral = QStringLiteral("#FALSE#");

QList<QByteArray> SplitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

}

void WriteNotationWriter::AppendLine(const QByteArray& line)
{
    Output += line;
    Output += LineEnd;
}

void WriteNotationWriter::WriteInteger(int32_t value)
{
    AppendLine(QByteArray::number(value));
}

void WriteNotationWriter::WriteBoolean(bool value)
{
    AppendLine((value ? TrueLiteral : FalseLiteral).toLatin1());
}

void WriteNotationWriter::WriteText(const QString& text)
{
    const std::optional<QByteArray> encoded = EncodeCp932(text);
    if (!encoded || text.contains(QLatin1Char('"'))) {
        Written = false;
        return;
    }
    AppendLine('"' + *encoded + '"');
}

WriteNotationReader::WriteNotationReader(const QByteArray& bytes) : Lines(SplitLines(bytes)) {}

bool WriteNotationReader::NextLine(QString& line)
{
    if (NextIndex >= Lines.size())
        return false;
    const std::optional<QString> decoded = DecodeCp932(Lines[NextIndex++]);
    if (!decoded)
        return false;
    line = *decoded;
    return true;
}

bool WriteNotationReader::ReadNumber(int64_t low, int64_t high, int64_t& value)
{
    QString line;
    if (!NextLine(line))
        return false;
    bool converted = false;
    const qlonglong number = line.trimmed().toLongLong(&converted, 10);
    if (!converted || number < low || number > high)
        return false;
    value = number;
    return true;
}

bool WriteNotationReader::ReadInteger(int16_t& value)
{
    int64_t number = 0;
    if (!ReadNumber(INT16_MIN, INT16_MAX, number))
        return false;
    value = static_cast<int16_t>(number);
    return true;
}

bool WriteNotationReader::ReadLong(int32_t& value)
{
    int64_t number = 0;
    if (!ReadNumber(INT32_MIN, INT32_MAX, number))
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

bool WriteNotationReader::ReadBoolean(bool& value)
{
    QString line;
    if (!NextLine(line))
        return false;
    const QString literal = line.trimmed();
    if (literal.compare(TrueLiteral, Qt::CaseInsensitive) == 0)
        value = true;
    else if (literal.compare(FalseLiteral, Qt::CaseInsensitive) == 0)
        value = false;
    else
        return false;
    return true;
}

bool WriteNotationReader::ReadText(QString& value)
{
    QString line;
    if (!NextLine(line))
        return false;
    const QString trimmed = line.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('"')) && trimmed.endsWith(QLatin1Char('"')))
        value = trimmed.mid(1, trimmed.size() - 2);
    else if (trimmed.contains(QLatin1Char('"')))
        return false;
    else
        value = trimmed;
    return true;
}
