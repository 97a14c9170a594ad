#include "core/LeadingNumber.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

double LeadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?"));
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    const QRegularExpressionMatch match = number.match(compact);
    if (!match.hasMatch())
        return 0;
    QString digits = match.captured(0);
    digits.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : std::numeric_limits<double>::infinity();
}
