#pragma once

#include "core/StoreFailures.h"

#include <QString>
#include <optional>
#include <variant>

class ContestState;

// The report settings file "REPSETZ.REC": the device name of the printer the
// score sheets go to, one quoted text in code page 932 ended by CR LF.

// No file yet: the score sheets have never been output in this folder.
struct ReportSettingsMissing {};

// The printer name the file holds, or why there is none.
using ReportSettingsLoad = std::variant<QString, ReportSettingsMissing, ReportSettingsDamaged>;
ReportSettingsLoad LoadReportSettings(const ContestState& context);

// Replaces the file with `printerName`. An empty name is never stored: the
// file is left as it is. A name the file cannot hold (a double quote, a
// character outside code page 932), or a failed write, keeps the old file
// whole.
using ReportSettingsSave = std::optional<std::variant<PrinterNameNotStorable, ReportSettingsNotWritten>>;
ReportSettingsSave SaveReportSettings(const ContestState& context, const QString& printerName);

// Whether the file can hold this printer name.
bool StorablePrinterName(const QString& printerName);
