#include "measure/MeasureLayout.h"

#include <gtest/gtest.h>

TEST(MeasureLayout, AWideScreenGetsATenthForTheHeading)
{
    const HeadingLayoutFigures layout = ComputeHeadingLayout(1920, 1080);
    EXPECT_DOUBLE_EQ(layout.Aspect, 0.5625);
    EXPECT_DOUBLE_EQ(layout.Heading.top(), 30);
    EXPECT_DOUBLE_EQ(layout.Heading.height(), 108);
    EXPECT_DOUBLE_EQ(layout.HeadingFontPoints, 75.6);
    EXPECT_DOUBLE_EQ(layout.Band.top(), 942);
    EXPECT_DOUBLE_EQ(layout.Band.height(), 108);
    EXPECT_EQ(layout.BarBox, QRectF(192, 378, 1536, 324));
    EXPECT_DOUBLE_EQ(layout.Heading.left(), 80);
    EXPECT_DOUBLE_EQ(layout.Heading.width(), 1760);
    EXPECT_EQ(layout.Band.left(), layout.Heading.left());
    EXPECT_DOUBLE_EQ(layout.NextEntry.top(), 486);
    EXPECT_EQ(layout.CircleCentre, QPointF(960, 540));
    EXPECT_DOUBLE_EQ(layout.CircleRadius, 1080 / 3.5);
}

TEST(MeasureLayout, TallerScreensGetTallerHeadings)
{
    EXPECT_NEAR(ComputeHeadingLayout(1024, 768).Heading.height(), 85.33, 0.01);
    EXPECT_DOUBLE_EQ(ComputeHeadingLayout(1280, 1024).Heading.height(), 128);
    const HeadingLayoutFigures boundary = ComputeHeadingLayout(1400, 980);
    EXPECT_DOUBLE_EQ(boundary.Aspect, 0.7);
    EXPECT_DOUBLE_EQ(boundary.Heading.height(), 980.0 / 9) << "0.7 belongs to the middle class";
    EXPECT_DOUBLE_EQ(boundary.Band.top(), 980 - 980.0 / 36 - 980.0 / 9);
}

TEST(MeasureLayout, TheFullGaugeFillsTheScreenAboveTheBand)
{
    const FullGaugeLayoutFigures layout = ComputeFullGaugeLayout(1920, 1080, 200);
    EXPECT_EQ(layout.Band, QRectF(0, 880, 1920, 200));
    EXPECT_EQ(layout.BarBox, QRectF(1, 1, 1918, 878));
    EXPECT_DOUBLE_EQ(layout.NextEntry.top(), 140);
    EXPECT_EQ(layout.CircleCentre, QPointF(960, 440));
    EXPECT_DOUBLE_EQ(layout.CircleRadius, 880 / 2.5);
}

TEST(MeasureLayout, TheBandFontStopsTwoStepsBelowTheFirstSizeThatOverflows)
{
    // A text that is 10 px wide per point: 0.8 × 1920 = 1536 is passed at 155.
    const auto wide = [](int size) { return QSizeF(size * 10.0, size * 1.0); };
    EXPECT_EQ(FitFullGaugeBandFont(1920, 1080, wide), 145);
    const auto tiny = [](int) { return QSizeF(1, 1); };
    EXPECT_EQ(FitFullGaugeBandFont(1920, 1080, tiny), 995);
    const auto tall = [](int size) { return QSizeF(1, size * 100.0); };
    EXPECT_EQ(FitFullGaugeBandFont(1920, 1080, tall), 10);
}
