#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Comma-separated text as RFC 4180 writes it: fields with a comma, a double
// quote or a line break in double quotes, double quotes doubled.

// The fields joined by commas, quoted where needed; no line end.
QString CsvLine(const QStringList& fields);

// One record of a CSV text and the line (from 1) it starts on.
struct CsvRecord {
    int Line = 0;
    QStringList Fields;
};

// The records of `text` (line ends CR LF or LF; a quoted field may span
// lines). Empty lines give no record. FaultLine is the line where the first
// record with a malformed quote (an unclosed field, text after a closing
// quote) starts, 0 when the text is well formed; the records before it are
// kept.
struct CsvTable {
    std::vector<CsvRecord> Records;
    int FaultLine = 0;
};
CsvTable ParseCsv(const QString& text);
