#include "results/CsvExport.h"

#include <gtest/gtest.h>

TEST(CsvExport, QualitiesAreNamedAndAnUnknownCodeIsKept)
{
    EXPECT_EQ(CsvQuality(0), QStringLiteral("8kHz 8bit"));
    EXPECT_EQ(CsvQuality(1), QStringLiteral("16kHz 16bit"));
    EXPECT_EQ(CsvQuality(2), QStringLiteral("48kHz 16bit"));
    EXPECT_EQ(CsvQuality(7), QStringLiteral("7"));
}

TEST(CsvExport, ANameASpreadsheetWouldRunAsAFormulaStartsWithAnApostrophe)
{
    const struct {
        QString Name;
        QString Cell;
    } cases[] = {
        {QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"), QStringLiteral("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"")},
        {QStringLiteral("+1"), QStringLiteral("'+1")},
        {QStringLiteral("-2+3"), QStringLiteral("'-2+3")},
        {QStringLiteral("@SUM(A1)"), QStringLiteral("'@SUM(A1)")},
        {QStringLiteral("\tTab"), QStringLiteral("'\tTab")},
        {QStringLiteral("\rCR"), QStringLiteral("\"'\rCR\"")},
        {QStringLiteral("山田=太郎"), QStringLiteral("山田=太郎")},
        {QStringLiteral("'quoted"), QStringLiteral("'quoted")},
    };
    for (const auto& [name, cell] : cases) {
        ResultRecord record;
        record.EntryNo = 3;
        EntrantRoster roster;
        roster.Set(3, {name, QStringLiteral("=A1")});
        const QString text = QString::fromUtf8(LogCsvText({&record, 1}, roster));
        EXPECT_TRUE(text.endsWith(QStringLiteral(",%1,'=A1\r\n").arg(cell))) << text.toStdString();
    }
}
