#include "core/DisplayFormat.h"

#include <gtest/gtest.h>

TEST(DisplayFormat, NumbersCarryOneBlankInPlaceOfThePlusSign)
{
    EXPECT_EQ(FormatNumber(123), QStringLiteral(" 123"));
    EXPECT_EQ(FormatNumber(0), QStringLiteral(" 0"));
    EXPECT_EQ(FormatNumber(-5), QStringLiteral("-5"));
}

TEST(DisplayFormat, CellsAreRightAlignedAndKeepTheRightmostCharacters)
{
    EXPECT_EQ(NumberCell(123, 6), QStringLiteral("   123"));
    EXPECT_EQ(NumberCell(-42, 5), QStringLiteral("  -42"));
    EXPECT_EQ(NumberCell(2000, 5), QStringLiteral(" 2000"));
    EXPECT_EQ(NumberCell(123456, 4), QStringLiteral("3456"));
}
