#include "results/CsvExport.h"

#include <gtest/gtest.h>

TEST(CsvExport, QualitiesAreNamedAndAnUnknownCodeIsKept)
{
    EXPECT_EQ(CsvQuality(0), QStringLiteral("8kHz 8bit"));
    EXPECT_EQ(CsvQuality(1), QStringLiteral("16kHz 16bit"));
    EXPECT_EQ(CsvQuality(2), QStringLiteral("48kHz 16bit"));
    EXPECT_EQ(CsvQuality(7), QStringLiteral("7"));
}
