#include "results/LogListing.h"

#include "core/AutomationDate.h"

#include <gtest/gtest.h>

namespace {

ResultRecord Entrant12()
{
    ResultRecord record;
    record.EntryNo = 12;
    record.Rank = 3;
    record.TotalPoints = 1234;
    record.MaxPoints = 678;
    record.MaxRaw = 104000;
    record.IntegPoints = 556;
    record.IntegRaw = 2300000;
    record.MeasuredAt = ToAutomationDate(QDateTime(QDate(2023, 10, 8), QTime(14, 5, 3)));
    return record;
}

}

TEST(LogListing, RowsAreRightAlignedCellsThenTheDate)
{
    EXPECT_EQ(LogListRow(Entrant12()),
              QStringLiteral("  12      3   1234      678   104000      556  2300000   2023/10/08 14:05:03"));
    EXPECT_EQ(LogFileRow(Entrant12()),
              QStringLiteral("  12      3   1234      678   104000      556  2300000  2023/10/08 14:05:03"));
}

TEST(LogListing, UnrankedEntrantsLongSumsAndMidnightKeepTheColumns)
{
    ResultRecord record = Entrant12();
    record.EntryNo = 3000;
    record.Rank = -1;
    record.TotalPoints = 0;
    record.MaxPoints = 0;
    record.MaxRaw = 12345678;
    record.IntegPoints = 1000;
    record.IntegRaw = 2147483647;
    record.MeasuredAt = ToAutomationDate(QDateTime(QDate(2024, 2, 29), QTime(0, 0, 7)));
    EXPECT_EQ(LogFileRow(record),
              QStringLiteral("3000     -1      0        0  2345678     1000  7483647  2024/02/29 00:00:07"));
}

TEST(LogListing, ExportNamesEndInTheirExtensionAndNeedANameBeforeIt)
{
    const QString txt = QStringLiteral(".TXT");
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/results"), txt), QStringLiteral("/tmp/results.TXT"));
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/results.txt"), txt), QStringLiteral("/tmp/results.txt"));
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/Results.TxT"), txt), QStringLiteral("/tmp/Results.TxT"));
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/results.txt.old"), txt), QStringLiteral("/tmp/results.txt.old.TXT"));
    EXPECT_EQ(ExportFileName(QString(), txt), std::nullopt);
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/.txt"), txt), std::nullopt);
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/"), txt), std::nullopt);

    const QString csv = QStringLiteral(".csv");
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/results"), csv), QStringLiteral("/tmp/results.csv"));
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/results.CSV"), csv), QStringLiteral("/tmp/results.CSV"));
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/results.txt"), csv), QStringLiteral("/tmp/results.txt.csv"));
    EXPECT_EQ(ExportFileName(QStringLiteral("/tmp/.Csv"), csv), std::nullopt);
}
