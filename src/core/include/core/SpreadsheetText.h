#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The text of a CSV file as a spreadsheet saves it: UTF-8 with a byte-order
// mark; otherwise UTF-8 or, when the bytes are not UTF-8, code page 932 (what
// a Japanese spreadsheet writes by default). Text is empty when the bytes are
// neither; FaultLine (from 1) is then where the encoding that reads further
// stops, the line the operator has to look at.
struct SpreadsheetText {
    std::optional<QString> Text;
    int FaultLine = 0;
};

SpreadsheetText DecodeSpreadsheet(const QByteArray& bytes);
