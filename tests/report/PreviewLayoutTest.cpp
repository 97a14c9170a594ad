#include "report/PreviewLayout.h"

#include <gtest/gtest.h>

TEST(PreviewLayout, ScrollBarsFollowTheContentBeyondTheContainer)
{
    const ScrollRange wider = ScrollRangeFor(1000, 794);
    EXPECT_FALSE(wider.Enabled);

    const ScrollRange small = ScrollRangeFor(1000, 1020);
    EXPECT_TRUE(small.Enabled);
    EXPECT_EQ(small.Maximum, 20);
    EXPECT_EQ(small.LargeStep, 1);

    const ScrollRange large = ScrollRangeFor(1000, 5000);
    EXPECT_EQ(large.Maximum, 4000);
    EXPECT_EQ(large.LargeStep, 200);

    const ScrollRange equal = ScrollRangeFor(794, 794);
    EXPECT_TRUE(equal.Enabled);
    EXPECT_EQ(equal.Maximum, 0);
}

TEST(PreviewLayout, ZoomStepsOutsideTheMenuShowTheFullSize)
{
    EXPECT_DOUBLE_EQ(ZoomFactor(5), 1.0);
    EXPECT_DOUBLE_EQ(ZoomFactor(-1), 1.0);
}

TEST(PreviewLayout, TheScrollBarsFlankTheContainerAndATinyWindowStaysUsable)
{
    const PreviewArrangement arrangement = ArrangePreview(QSize(1920, 1000), 16, 16);
    EXPECT_EQ(arrangement.Container, QRect(0, 0, 1896, 984));
    EXPECT_EQ(arrangement.HorizontalBar, QRect(0, 984, 1896, 16));
    EXPECT_EQ(arrangement.VerticalBar, QRect(1896, 0, 16, 984));

    const PreviewArrangement tiny = ArrangePreview(QSize(10, 5), 16, 16);
    EXPECT_EQ(tiny.Container.size(), QSize(0, 0));
    EXPECT_GE(tiny.HorizontalBar.top(), 0);
}
