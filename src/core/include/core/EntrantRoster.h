#pragma once

#include "core/EntrantText.h"
#include "core/ProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

// The list of entrants (名簿): a name and a group (所属) for the entry
// numbers that have one. Kept in the contest folder as "entrants.csv": UTF-8
// with a byte-order mark, CR LF, RFC 4180 quoting, the header row
// "エントリーNo,名前,所属", then one row per named entry number in number
// order. Read by every window that shows names (the hall's web page too)
// each time it opens, so a list edited in a spreadsheet is seen at the next
// opening; reading never writes the file.

struct EntrantName {
    QString Name;
    // Empty when none was given.
    QString Group;

    bool operator==(const EntrantName&) const = default;
};

class EntrantRoster {
public:
    // The entrant's name and group; nullptr when the number has no name.
    const EntrantName* Find(int entryNo) const;
    // The name, empty when none is registered.
    QString NameOf(int entryNo) const;
    // An empty name removes the number from the list.
    void Set(int entryNo, const EntrantName& entrant);

    // Named entry numbers in ascending order.
    const std::map<int, EntrantName>& Entries() const { return Named; }
    bool IsEmpty() const { return Named.empty(); }

    bool operator==(const EntrantRoster&) const = default;

private:
    std::map<int, EntrantName> Named;
};

// What reading the list found. None: no file, so no names. Damaged: the file
// could not be read, is not CSV (UTF-8, or code page 932 as a spreadsheet
// saves it again) with the header row, or a row has a number outside 1 to
// 3000, a number twice or a text over the limit; File and Line (from 1; 0
// when the file could not be opened) name the fault, and the list is empty
// so that windows show numbers only. Names and groups read as one line
// (EntrantText.h).
struct RosterRead {
    enum class Outcome { None, Listed, Damaged };
    Outcome State = Outcome::None;
    EntrantRoster Roster;
    QString File;
    int Line = 0;
};

QString EntrantRosterPath(const ProgramFolder& folder);
RosterRead ReadEntrantRoster(const ProgramFolder& folder);
// The list as it is read from `bytes`, `path` standing in the outcome.
RosterRead ParseEntrantRoster(const QByteArray& bytes, const QString& path);

// The file's bytes as they are now, to tell whether someone changed it;
// nothing when there is no file or it cannot be read.
std::optional<QByteArray> EntrantRosterBytes(const ProgramFolder& folder);
// True when the file exists without a write permission for anyone: the
// operator made it read-only, and the program leaves it so.
bool IsEntrantRosterReadOnly(const ProgramFolder& folder);

// The file's bytes for `roster`.
QByteArray EntrantRosterText(const EntrantRoster& roster);
// Replaces the file atomically; false when it could not be written (the old
// file is then untouched).
bool WriteEntrantRoster(const ProgramFolder& folder, const EntrantRoster& roster);
