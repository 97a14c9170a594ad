#include "core/DisplayFormat.h"

QString FormatNumber(int64_t value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

QString NumberCell(int64_t value, int width)
{
    return (QString(width, QLatin1Char(' ')) + FormatNumber(value)).right(width);
}

QString SoundLevelColumn(double db, bool clipped, int columns)
{
    return (clipped ? QStringLiteral("≥") : QStringLiteral("　")) + QString::number(db, 'f', 1).rightJustified(columns - 2);
}

QString SoundLevelText(double db, bool clipped)
{
    return (clipped ? QStringLiteral("≥") : QString()) + QString::number(db, 'f', 1) + QStringLiteral(" dB(A)");
}
