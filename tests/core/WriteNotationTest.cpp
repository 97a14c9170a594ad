#include "core/WriteNotation.h"

#include <gtest/gtest.h>

TEST(WriteNotation, WritesOneValuePerCrLfLine)
{
    WriteNotationWriter writer;
    writer.WriteInteger(-5);
    writer.WriteInteger(4227072);
    writer.WriteBoolean(true);
    writer.WriteBoolean(false);
    writer.WriteText(QStringLiteral("False"));
    writer.WriteText(QStringLiteral("大会"));
    EXPECT_TRUE(writer.Ok());
    EXPECT_EQ(writer.Bytes(), QByteArray("-5\r\n4227072\r\n#TRUE#\r\n#FALSE#\r\n\"False\"\r\n\"\x91\xE5\x89\xEF\"\r\n"));
}

TEST(WriteNotation, RefusesTextsItCannotWriteBack)
{
    WriteNotationWriter quote;
    quote.WriteText(QStringLiteral("say \"hi\""));
    EXPECT_FALSE(quote.Ok());
    WriteNotationWriter emoji;
    emoji.WriteText(QStringLiteral("😀"));
    EXPECT_FALSE(emoji.Ok());
}

TEST(WriteNotation, ReadsWhatItWrites)
{
    WriteNotationReader reader("-5\r\n4227072\r\n#TRUE#\r\n#FALSE#\r\n\"False\"\r\n\"\x91\xE5\x89\xEF\"\r\n");
    int16_t integer = 0;
    int32_t number = 0;
    bool yes = false;
    bool no = true;
    QString text;
    QString japanese;
    EXPECT_TRUE(reader.ReadInteger(integer));
    EXPECT_TRUE(reader.ReadLong(number));
    EXPECT_TRUE(reader.ReadBoolean(yes));
    EXPECT_TRUE(reader.ReadBoolean(no));
    EXPECT_TRUE(reader.ReadText(text));
    EXPECT_TRUE(reader.ReadText(japanese));
    EXPECT_EQ(integer, -5);
    EXPECT_EQ(number, 4227072);
    EXPECT_TRUE(yes);
    EXPECT_FALSE(no);
    EXPECT_EQ(text, QStringLiteral("False"));
    EXPECT_EQ(japanese, QStringLiteral("大会"));
    EXPECT_FALSE(reader.ReadInteger(integer)) << "a missing line is an error";
}

TEST(WriteNotation, DetectsValuesOfTheWrongKindOrRange)
{
    int16_t integer = 7;
    int32_t number = 7;
    bool flag = false;
    EXPECT_FALSE(WriteNotationReader("\"3\"\r\n").ReadInteger(integer));
    EXPECT_FALSE(WriteNotationReader("40000\r\n").ReadInteger(integer));
    EXPECT_FALSE(WriteNotationReader("-32769\r\n").ReadInteger(integer));
    EXPECT_FALSE(WriteNotationReader("\r\n").ReadInteger(integer));
    EXPECT_FALSE(WriteNotationReader("3abc\r\n").ReadInteger(integer));
    EXPECT_FALSE(WriteNotationReader("#TRUE#\r\n").ReadLong(number));
    EXPECT_FALSE(WriteNotationReader("2147483648\r\n").ReadLong(number));
    EXPECT_FALSE(WriteNotationReader("1\r\n").ReadBoolean(flag));
    EXPECT_EQ(integer, 7);
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(WriteNotationReader("40000\r\n").ReadLong(number));
    EXPECT_EQ(number, 40000);
}

TEST(WriteNotation, InvalidCodePageBytesAreAReadErrorOfThatLine)
{
    WriteNotationReader reader("\"ok\"\r\n\"\x82\"\r\n");
    QString text;
    EXPECT_TRUE(reader.ReadText(text));
    EXPECT_FALSE(reader.ReadText(text));
    EXPECT_EQ(text, QStringLiteral("ok"));
}

TEST(WriteNotation, AcceptsBareLineFeedsAndAMissingLastLineEnd)
{
    WriteNotationReader reader("12\n#false#");
    int16_t integer = 0;
    bool flag = true;
    EXPECT_TRUE(reader.ReadInteger(integer));
    EXPECT_TRUE(reader.ReadBoolean(flag));
    EXPECT_EQ(integer, 12);
    EXPECT_FALSE(flag);
}
