#pragma once

#include <QString>

class ContestState;

// The report settings file "REPSETZ.REC": the device name of the printer the
// score sheets go to, one quoted text in code page 932 ended by CR LF. Both
// operations make the program folder the current folder first.

// Reads the first field into `printerName`. On a missing, empty or unreadable
// file it shows "レポート設定ファィル不正です！" and leaves `printerName` as
// it was; false then.
bool LoadReportSettings(ContestState& context, QString& printerName);

// Replaces the file with `printerName`. A name the file cannot hold (a double
// quote, a character outside code page 932) or a failed write shows
// "レポート設定ファイルが不正です。" and keeps the old file whole; false then.
bool SaveReportSettings(ContestState& context, const QString& printerName);

// Whether the file can hold this printer name.
bool StorablePrinterName(const QString& printerName);
