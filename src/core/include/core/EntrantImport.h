#pragma once

#include "core/EntrantRoster.h"

#include <QByteArray>

// A list of entrants as a spreadsheet saves it as CSV, read for the 名簿
// window to show before it is stored.
//
// Encoding: UTF-8 with or without a byte-order mark, otherwise code page 932
// (what a Japanese spreadsheet writes by default). A first row whose first
// cell is a heading ("エントリーNo", "No", "番号", "名前", "氏名", "Name"), or
// that is the only row without a number, is a header and skipped. When every
// row starts with a number, that column is the entry number and the next two
// are name and group; otherwise the rows are numbers 1, 2, 3 … in order and
// the first two columns are name and group; a row of empty cells keeps its
// number, an empty line is no row. Rows without a name are skipped.
struct EntrantImport {
    enum class Fault {
        None,
        // Neither UTF-8 nor code page 932, or malformed quoting.
        Unreadable,
        // A number outside 1 to 3000, or one given twice.
        BadNumber,
        // A name or group over MaxEntrantTextLength characters.
        TooLong,
    };
    Fault Problem = Fault::None;
    // The line (from 1) of the fault.
    int Line = 0;
    // What was read; empty on a fault.
    EntrantRoster Roster;
};

EntrantImport ImportEntrantSpreadsheet(const QByteArray& bytes);
