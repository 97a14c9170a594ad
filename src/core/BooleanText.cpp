#include "core/BooleanText.h"

bool IsTrueText(const QString& text)
{
    return text == QLatin1String("True");
}

bool IsBooleanText(const QString& text)
{
    return IsTrueText(text) || text == QLatin1String("False");
}

QString BooleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
