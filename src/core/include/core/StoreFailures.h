#pragma once

#include <QString>
#include <QStringList>

// What the store reports when a contest or settings file lets it down. The
// store only reports; the window layer decides what the operator is told.

// The measurement log or the ranking file at Path cannot be read, or the log
// is damaged: nothing can be listed from it.
struct ContestFileUnreadable {
    QString Path;
};

// Record EntryNo of the log cannot be read: the log is unreadable or damaged,
// the number lies outside the log, or the remark is no code page 932 text.
struct EntrantUnreadable {
    int EntryNo = 0;
};

// The recording of entrant EntryNo cannot be drawn: missing, unreadable, too
// long, or not the recording its record describes.
struct RecordingUnreadable {
    int EntryNo = 0;
};

// The recording of entrant EntryNo cannot be played.
struct RecordingNotPlayable {
    int EntryNo = 0;
};

// The list of entrants at File cannot be read, or is damaged at Line: the
// windows show numbers without names.
struct RosterDamaged {
    QString File;
    int Line = 0;
};

// Why an entrant's result did not reach the log.
enum class LogWriteFault {
    // An entry number outside the log, or points beyond the record's fields.
    NotStorable,
    // The log cannot be read or is damaged.
    LogUnreadable,
    // The record already holds a result, stored by another copy of the
    // program or an earlier store.
    RecordInUse,
    // The recording could not be flushed to the disk before its record.
    RecordingNotFlushed,
    // Writing the record failed.
    NotWritten,
};

// The result of entrant EntryNo was not stored: its record stays as it was
// and the entrant keeps its number.
struct LogWriteFailed {
    int EntryNo = 0;
    LogWriteFault Fault = LogWriteFault::NotWritten;
};

// The ranking pass could not read or rewrite the file at Path (the log or the
// ranking file): the ranking and the ranks in the log may be those of an
// earlier pass. Nothing stored is lost; the log itself is whole.
struct RankingNotRebuilt {
    QString Path;
};

// The log at Path could not be rewritten as empty; it is left as it was.
struct LogNotCleared {
    QString Path;
};

// The settings file at Path could not be written, or its old content could
// not be kept aside before the factory values were to replace it. The file
// stays as it was; the settings in memory keep their new values.
struct SettingsNotWritten {
    QString Path;
};

// Settings files that cannot be used, one fault each as the operator reads it
// (see SettingsFault.h). KeepsFiles when any settings file exists, to be
// kept aside when the factory values replace them.
struct SettingsDamaged {
    QStringList Faults;
    bool KeepsFiles = false;
};

// The report settings file is there but cannot be read, or is empty or
// damaged: no printer is remembered.
struct ReportSettingsDamaged {};

// A printer name the report settings file cannot hold (a double quote, a
// character outside code page 932).
struct PrinterNameNotStorable {};

// The report settings file could not be replaced; it stays as it was.
struct ReportSettingsNotWritten {};

// The setup request file cannot be read; the values read before the fault
// are kept.
struct SetupRequestUnreadable {};

// The setup request file could not be written; it stays as it was.
struct SetupRequestNotWritten {
    QString Path;
};
