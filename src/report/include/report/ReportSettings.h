#pragma once

#include <QString>

class ContestSession;

// The report settings file "REPSETZ.REC": the device name of the printer the
// score sheets go to, one quoted text in code page 932 ended by CR LF.

enum class ReportSettingsLoad {
    Loaded,
    // No file yet: the score sheets have never been output in this folder.
    Missing,
    // The file is there but cannot be read, or is empty or damaged.
    Damaged,
};

// Reads the first field into `printerName`. A damaged file shows
// "レポート設定ファィル不正です！"; a missing one shows nothing. Either
// leaves `printerName` as it was.
ReportSettingsLoad LoadReportSettings(ContestSession& context, QString& printerName);

// Replaces the file with `printerName`. An empty name is never stored: the
// file is left as it is. A name the file cannot hold (a double quote, a
// character outside code page 932) shows "このプリンター名は登録できません！",
// a failed write "レポート設定ファイルが不正です。"; either keeps the old file
// whole and gives false.
bool SaveReportSettings(ContestSession& context, const QString& printerName);

// Whether the file can hold this printer name.
bool StorablePrinterName(const QString& printerName);
