#include "report/RangeNumbers.h"

#include <gtest/gtest.h>

TEST(RangeNumbers, BoxNumbersAreRoundedToEvenAndRefusedBeyondSixteenBits)
{
    EXPECT_EQ(RangeNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(RangeNumber(QStringLiteral("3.5")), 4);
    EXPECT_EQ(RangeNumber(QStringLiteral("x")), 0);
    EXPECT_EQ(RangeNumber(QStringLiteral("32767")), 32767);
    EXPECT_EQ(RangeNumber(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(RangeNumber(QStringLiteral("32768")), std::nullopt);
    EXPECT_EQ(RangeNumber(QStringLiteral("-32769")), std::nullopt);
    EXPECT_EQ(RangeNumber(QStringLiteral("1e400")), std::nullopt);
}

TEST(RangeNumbers, TheStartFollowsAChosenEndOnlyWhenItWouldLieBeyondIt)
{
    EXPECT_EQ(StartAfterEndChosen(QStringLiteral("3"), 10), QStringLiteral("3"));
    EXPECT_EQ(StartAfterEndChosen(QStringLiteral("12"), 10), QStringLiteral("10"));
    EXPECT_EQ(StartAfterEndChosen(QStringLiteral("99999"), 1), QStringLiteral("1"));
}
