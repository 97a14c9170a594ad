#include "results/CsvExport.h"

#include "support/CsvReader.h"

#include <gtest/gtest.h>

TEST(CsvExport, FieldsThatNeedItAreQuotedAndReadBackAsWritten)
{
    const QStringList fields = {QStringLiteral("plain"), QStringLiteral("a,b"), QStringLiteral("say \"hi\""),
                                QStringLiteral("two\r\nlines"), QString(), QStringLiteral("2023/10/08 14:05:03")};
    const QString line = CsvLine(fields);
    EXPECT_EQ(line, QStringLiteral("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",,2023/10/08 14:05:03"));
    EXPECT_EQ(ReadCsv(line + QStringLiteral("\r\n")), (std::vector<QStringList>{fields}));
}

TEST(CsvExport, QualitiesAreNamedAndAnUnknownCodeIsKept)
{
    EXPECT_EQ(CsvQuality(0), QStringLiteral("8kHz 8bit"));
    EXPECT_EQ(CsvQuality(1), QStringLiteral("16kHz 16bit"));
    EXPECT_EQ(CsvQuality(2), QStringLiteral("48kHz 16bit"));
    EXPECT_EQ(CsvQuality(7), QStringLiteral("7"));
}
