#include "core/RecordingFile.h"

#include <gtest/gtest.h>

TEST(RecordingFile, NamesCarryFourDigits)
{
    EXPECT_EQ(RecordingFileName(1), QStringLiteral("xx0001.wav"));
    EXPECT_EQ(RecordingFileName(7), QStringLiteral("xx0007.wav"));
    EXPECT_EQ(RecordingFileName(123), QStringLiteral("xx0123.wav"));
    EXPECT_EQ(RecordingFileName(3000), QStringLiteral("xx3000.wav"));
}
