#include "core/AutomationDate.h"

#include <cmath>

namespace {

const QDate Epoch(1899, 12, 30);
constexpr double MillisecondsPerDay = 86400000.0;

}

double ToAutomationDate(const QDateTime& localTime)
{
    const double days = static_cast<double>(Epoch.daysTo(localTime.date()));
    const double fraction = localTime.time().msecsSinceStartOfDay() / MillisecondsPerDay;
    // Before the epoch the fraction still counts forward from midnight.
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime FromAutomationDate(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QDateTime(Epoch, QTime(0, 0));
    const double wholeDays = std::trunc(days);
    const double fraction = std::fabs(days - wholeDays);
    qint64 seconds = std::llround(fraction * 86400.0);
    qint64 dayOffset = static_cast<qint64>(wholeDays);
    if (seconds >= 86400) {
        seconds -= 86400;
        dayOffset += days >= 0 ? 1 : -1;
    }
    return QDateTime(Epoch.addDays(dayOffset), QTime(0, 0).addSecs(static_cast<int>(seconds)));
}

QString FormatDateTime(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString FormatClock(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}
