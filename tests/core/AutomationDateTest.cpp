#include "core/AutomationDate.h"

#include <gtest/gtest.h>

#include <limits>

TEST(AutomationDate, CountsDaysFromTheLastDaysOf1899)
{
    EXPECT_DOUBLE_EQ(ToAutomationDate(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(ToAutomationDate(QDateTime(QDate(2000, 1, 1), QTime(0, 0))), 36526.0);
    EXPECT_DOUBLE_EQ(ToAutomationDate(QDateTime(QDate(2000, 1, 1), QTime(18, 0))), 36526.75);
    EXPECT_EQ(FromAutomationDate(36526.5), QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    EXPECT_EQ(FromAutomationDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
}

TEST(AutomationDate, RoundTripsToTheSecond)
{
    const QDateTime stored(QDate(2026, 12, 7), QTime(23, 59, 59));
    EXPECT_EQ(FromAutomationDate(ToAutomationDate(stored)), stored);
    const QDateTime almostMidnight(QDate(2026, 12, 7), QTime(23, 59, 59, 800));
    EXPECT_EQ(FromAutomationDate(ToAutomationDate(almostMidnight)), QDateTime(QDate(2026, 12, 8), QTime(0, 0)));
    EXPECT_EQ(FromAutomationDate(std::numeric_limits<double>::quiet_NaN()).date(), QDate(1899, 12, 30));
}

TEST(AutomationDate, FormatsDatesAndTheClockIn24Hours)
{
    EXPECT_EQ(FormatDateTime(QDateTime(QDate(2026, 1, 2), QTime(9, 5, 3))), QStringLiteral("2026/01/02 09:05:03"));
    EXPECT_EQ(FormatClock(QTime(0, 0, 7)), QStringLiteral("00:00:07"));
    EXPECT_EQ(FormatClock(QTime(23, 59, 59)), QStringLiteral("23:59:59"));
}
