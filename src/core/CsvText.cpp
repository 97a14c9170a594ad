#include "core/CsvText.h"

#include <algorithm>

namespace {

QString CsvField(const QString& field)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(special.begin(), special.end(), [&field](QChar c) { return field.contains(c); }))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool IsBlank(const QStringList& fields)
{
    return fields.size() == 1 && fields.constFirst().isEmpty();
}

// Walks the text once, character by character, keeping the line count.
class CsvScanner {
public:
    explicit CsvScanner(const QString& text) : Text(text) {}

    CsvTable Scan()
    {
        CsvTable table;
        while (At < Text.size()) {
            const int line = Line;
            QStringList fields;
            if (!ReadRecord(fields)) {
                table.FaultLine = line;
                return table;
            }
            if (!IsBlank(fields))
                table.Records.push_back({line, fields});
        }
        return table;
    }

private:
    bool AtLineEnd() const
    {
        return Text[At] == QLatin1Char('\n') || (Text[At] == QLatin1Char('\r') && At + 1 < Text.size() &&
                                                  Text[At + 1] == QLatin1Char('\n'));
    }

    void SkipLineEnd()
    {
        At += Text[At] == QLatin1Char('\r') ? 2 : 1;
        ++Line;
    }

    bool ReadRecord(QStringList& fields)
    {
        for (;;) {
            QString field;
            if (!ReadField(field))
                return false;
            fields << field;
            if (At >= Text.size())
                return true;
            if (AtLineEnd()) {
                SkipLineEnd();
                return true;
            }
            ++At; // the comma
        }
    }

    bool ReadField(QString& field)
    {
        if (At < Text.size() && Text[At] == QLatin1Char('"'))
            return ReadQuoted(field);
        while (At < Text.size() && Text[At] != QLatin1Char(',') && !AtLineEnd())
            field += Text[At++];
        return true;
    }

    bool ReadQuoted(QString& field)
    {
        ++At;
        for (;;) {
            if (At >= Text.size())
                return false;
            if (Text[At] == QLatin1Char('"')) {
                if (At + 1 < Text.size() && Text[At + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    At += 2;
                    continue;
                }
                ++At;
                return At >= Text.size() || Text[At] == QLatin1Char(',') || AtLineEnd();
            }
            if (Text[At] == QLatin1Char('\n'))
                ++Line;
            field += Text[At++];
        }
    }

    const QString& Text;
    qsizetype At = 0;
    int Line = 1;
};

}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(QLatin1Char(','));
}

CsvTable ParseCsv(const QString& text)
{
    return CsvScanner(text).Scan();
}
