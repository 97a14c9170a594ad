#include "core/SpreadsheetCell.h"

QString SpreadsheetTextCell(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !formulaStarts.contains(text.front()))
        return text;
    return QLatin1Char('\'') + text;
}
