#pragma once

#include <QString>

// A text that goes into a CSV file as it came from outside (a name typed or
// imported). A spreadsheet opening the file runs a cell beginning with "=",
// "+", "-" or "@" (and, in some, a tab or a carriage return) as a formula:
// "=HYPERLINK(…)" in a name would become a link. Such a text gets a leading
// apostrophe, which spreadsheets take as "this is text"; any other text is
// returned as it is.
QString SpreadsheetTextCell(const QString& text);
