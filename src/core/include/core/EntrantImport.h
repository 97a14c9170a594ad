#pragma once

#include "core/CsvText.h"
#include "core/EntrantRoster.h"

#include <QByteArray>
#include <vector>

// A list of entrants as a spreadsheet saves it as CSV, read for the 名簿
// window to show before it is stored.
//
// Encoding: see SpreadsheetText.h. Rows and columns with no cell filled
// (what a spreadsheet leaves around the cells in use) are passed over. When
// the first column holds entry numbers (half- or full-width digits) in most
// rows, it is the entry number and the next two columns are name and group;
// a first row without a number there is a header; any other row without one
// is a fault. Otherwise the list is unnumbered: the rows are numbers 1, 2,
// 3 … in order, the first two columns name and group, and nothing tells a
// header ("Entrant,Club", "選手名,所属") from a first entrant, so the reading
// is in doubt and the caller says which the first row is. Rows without a
// name are skipped; names and groups are read as one line (EntrantText.h).
struct EntrantImport {
    enum class Fault {
        None,
        // Neither UTF-8 nor code page 932, or malformed quoting.
        Unreadable,
        // A number outside 1 to 3000, one given twice, or a row of a numbered
        // list without one.
        BadNumber,
        // A name or group over MaxEntrantTextLength characters.
        TooLong,
        // No row with a name.
        NoNames,
    };
    Fault Problem = Fault::None;
    // The line (from 1) of the fault; 0 for a fault of the whole file.
    int Line = 0;
    // What was read; empty on a fault.
    EntrantRoster Roster;
    // An unnumbered list, whose first row may be a header or an entrant.
    bool FirstRowInDoubt = false;
    // The first two rows as read, without the empty columns, for the
    // operator to compare with what the reading makes of them.
    std::vector<CsvRecord> FirstRows;
};

// What the first row of an unnumbered list is taken for.
enum class UnnumberedFirstRow { Entrant, Header };

EntrantImport ImportEntrantSpreadsheet(const QByteArray& bytes, UnnumberedFirstRow firstRow = UnnumberedFirstRow::Entrant);
