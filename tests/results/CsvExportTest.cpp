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

TEST(CsvExport, ShownLevelsFollowTheNamesEmptyForAnEntrantMeasuredWithoutThem)
{
    ResultRecord records[2];
    records[0].EntryNo = 1;
    records[1].EntryNo = 2;
    const EntrantLevels levels = {{2, EntrantLevel{112.34, 125.0, 104.2, true, 101.5, 50}}};
    const QStringList lines = QString::fromUtf8(LogCsvText(records, EntrantRoster(), levels)).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",名前,所属,音圧LAFmax(dB),音圧LCpeak(dB),音圧LAeq(dB),振り切れ,マイク距離(cm)")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",,,,,,,")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(",,,112.3,125.0,104.2,1,50")));
    EXPECT_TRUE(QString::fromUtf8(LogCsvText(records, EntrantRoster())).split(QStringLiteral("\r\n"))[0].endsWith(QStringLiteral(",名前,所属")))
        << "without levels shown, the columns as they were";
}
