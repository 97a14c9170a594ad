#pragma once

#include "core/CsvText.h"
#include "core/EntrantLevels.h"
#include "core/EntrantRoster.h"
#include "core/ResultRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
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

// Every row ends in the entrant's name and group (名前,所属), empty for an
// entrant without one; a name or group that a spreadsheet would run as a
// formula starts with an apostrophe (see SpreadsheetCell.h). While levels
// are shown, the sound levels follow: LAFmax, LCpeak and LAeq in dB, "1"
// for a recording that touched full scale, and the distance in cm, all
// empty for an entrant measured without them.
QByteArray LogCsvText(std::span<const ResultRecord> records, const EntrantRoster& roster,
                      const std::optional<EntrantLevels>& levels = std::nullopt);
