#pragma once

#include "core/EntrantImport.h"
#include "core/EntrantRoster.h"

#include <QString>
#include <optional>

// What the 名簿 window decides, apart from its widgets.

// Rows of the table: numbers 1 up to the next entrant + 50, further when the
// list names a higher number, never past 3000.
int RosterTableRows(int nextEntryNo, const EntrantRoster& roster);

// The message for a text typed in over the limit; nothing when it is within.
std::optional<QString> OverLimitMessage(const QString& text);

// The message for an import that failed, naming the file and the line (none
// for line 0, a fault of the whole file).
QString ImportFaultMessage(const EntrantImport& import, const QString& file);

// The question for an unnumbered list: the first rows as read, and what
// each answer makes of them (はい: the first row is a header).
QString FirstRowQuestion(const EntrantImport& import);

// The question when the list's file changed since the window read it.
QString ChangedRosterQuestion(const QString& file);

// The message when the list's file is read-only.
QString ReadOnlyRosterMessage(const QString& file);
