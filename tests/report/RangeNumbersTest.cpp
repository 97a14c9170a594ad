#include "report/RangeNumbers.h"

#include <gtest/gtest.h>

TEST(RangeNumbers, TheLeadingNumberOfATextIsRead)
{
    const std::pair<const char*, double> cases[] = {
        {"12", 12}, {" 7", 7}, {"12ab", 12}, {"ab", 0}, {"", 0}, {"-3", -3}, {"1 2", 12}, {"2.5", 2.5}, {"1e3", 1000},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(text)), value) << text;
}

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
