#include "core/CsvText.h"

#include <gtest/gtest.h>

TEST(CsvText, FieldsThatNeedItAreQuotedAndParsedBackAsWrittenWithTheirLines)
{
    const QStringList fields = {QStringLiteral("plain"), QStringLiteral("a,b"), QStringLiteral("say \"hi\""),
                                QStringLiteral("two\r\nlines"), QString(), QStringLiteral("2023/10/08 14:05:03")};
    const QString line = CsvLine(fields);
    EXPECT_EQ(line, QStringLiteral("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",,2023/10/08 14:05:03"));
    const CsvTable table = ParseCsv(line + QStringLiteral("\r\n\r\nlast\n"));
    EXPECT_EQ(table.FaultLine, 0);
    ASSERT_EQ(table.Records.size(), 2u);
    EXPECT_EQ(table.Records[0].Fields, fields);
    EXPECT_EQ(table.Records[1].Line, 4);
    EXPECT_EQ(table.Records[1].Fields, QStringList{QStringLiteral("last")});
}

TEST(CsvText, AMalformedQuoteNamesTheLineItsRecordStartsOn)
{
    EXPECT_EQ(ParseCsv(QStringLiteral("a\r\n\"b\"c,d\r\n")).FaultLine, 2);
    const CsvTable unclosed = ParseCsv(QStringLiteral("a\n\"b\nc\n"));
    EXPECT_EQ(unclosed.FaultLine, 2);
    EXPECT_EQ(unclosed.Records.size(), 1u);
}
