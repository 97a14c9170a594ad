#include "core/LeadingNumber.h"

#include <gtest/gtest.h>

TEST(LeadingNumber, IsReadFromTheStartOfATextWhateverFollows)
{
    const std::pair<const char*, double> cases[] = {
        {"12", 12}, {" 7", 7}, {"12ab", 12}, {"ab", 0}, {"", 0}, {"-3", -3}, {"1 2", 12}, {"2.5", 2.5}, {"1e3", 1000},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(text)), value) << text;
}
