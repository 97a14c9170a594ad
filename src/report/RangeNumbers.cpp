#include "report/RangeNumbers.h"

#include <cmath>
#include <limits>

std::optional<int16_t> RangeNumber(const QString& text)
{
    const double rounded = std::nearbyint(LeadingNumber(text));
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

QString StartAfterEndChosen(const QString& startText, int chosenEnd)
{
    const std::optional<int16_t> start = RangeNumber(startText);
    if (start && *start <= chosenEnd)
        return startText;
    return QString::number(chosenEnd);
}
