#pragma once

#include "core/LevelCalibration.h"

#include "core/ResultRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

// The rows of the measurement log list and of its text export.

// Entry number, rank, total, max points, max raw sum, integrated points and
// integrated raw sum as right-aligned cells (4, 5, 5 and four times 7
// characters), each followed by two blanks, then the date and time. The list
// puts one more blank before the date than the file does.
QString LogListRow(const ResultRecord& record);
QString LogFileRow(const ResultRecord& record);
// The list's row followed by LogNameGap and the level cell, then the name,
// each when there is one.
extern const QString LogNameGap;
QString LogListRowWithName(const ResultRecord& record, const QString& name, const QString& levelCell = {});
// The entrant's LAFmax as six right-aligned characters ("≥112.3"), blanks
// for an entrant without levels.
constexpr int LogLevelCellWidth = 7;
QString LogLevelCell(const std::optional<EntrantLevel>& level);

// The export file: one row per entrant, each ended by CR LF, in code page 932.
QByteArray LogExportText(std::span<const ResultRecord> records);

// The name an export is written to: `extension` (".TXT", ".csv") is appended
// unless the name already ends in it in any letter case. Nothing when no name
// was given (the file name part is just the extension).
std::optional<QString> ExportFileName(const QString& chosen, const QString& extension);
