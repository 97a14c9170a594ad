#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Reads CSV text as RFC 4180 defines it: records ended by CR LF, fields
// separated by commas, a field in double quotes may hold commas, line breaks
// and doubled double quotes. Nothing when the text breaks those rules (a
// quote inside an unquoted field, an unterminated quote, a bare line feed,
// text after a closing quote).
inline std::optional<std::vector<QStringList>> ReadCsv(const QString& text)
{
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == u'"' && field.isEmpty()) {
            ++i;
            for (;;) {
                if (i >= n)
                    return std::nullopt;
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            if (i < n && text[i] != u',' && text[i] != u'\r')
                return std::nullopt;
            continue;
        }
        if (text[i] == u',') {
            record << field;
            field.clear();
            ++i;
        } else if (text[i] == u'\r') {
            if (i + 1 >= n || text[i + 1] != u'\n')
                return std::nullopt;
            record << field;
            records.push_back(record);
            record.clear();
            field.clear();
            i += 2;
        } else if (text[i] == u'"' || text[i] == u'\n') {
            return std::nullopt;
        } else {
            field += text[i++];
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        return std::nullopt; // the last record lacks its CR LF
    return records;
}
