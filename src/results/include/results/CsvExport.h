#pragma once

#include "core/ResultRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>

// The measurement log as a CSV file that spreadsheets open as they find it:
// UTF-8 with a byte-order mark, CR LF line ends, fields quoted as RFC 4180
// asks, a header row, then one row per entrant in the order given.

// "8kHz 8bit", "16kHz 16bit" or "48kHz 16bit"; the code itself for a quality
// this program does not record in.
QString CsvQuality(int quality);

// The fields of one entrant: numbers in plain decimal, the time as
// "yyyy/mm/dd hh:mm:ss".
QStringList LogCsvFields(const ResultRecord& record);

// The fields joined by commas, each that holds a comma, a double quote or a
// line break quoted, its double quotes doubled; no line end.
QString CsvLine(const QStringList& fields);

QByteArray LogCsvText(std::span<const ResultRecord> records);
