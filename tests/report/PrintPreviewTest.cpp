#include "report/PrintPreview.h"

#include "report/PageSurface.h"
#include "support/WidgetTestSupport.h"

#include <QAction>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

class Preview : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        EnsureApplication();
        Page.Draw([](QPainter&) {});
        Window.PCRX = &Page;
        Window.show();
    }

    void TearDown() override { Window.close(); }

    PageSurface Page;
    PrintPreview Window;
};

}

TEST_F(Preview, EachSheetOpensAtFullSizeScrolledToTheTopLeft)
{
    Window.ZZ_Click(3);
    Window.close();
    Window.show();
    EXPECT_EQ(Window.ZoomIndex, 1);
    EXPECT_TRUE(Window.ZZ[1]->isChecked());
    EXPECT_FALSE(Window.ZZ[3]->isChecked());
    EXPECT_EQ(Window.PPVE->size(), PageSurface::SizePixels().toSize());
    EXPECT_EQ(Window.PPVE->pos(), QPoint(0, 0));
    EXPECT_EQ(Window.HS1->isEnabled(), Window.PPCT->width() <= Window.PPVE->width());
    EXPECT_TRUE(Window.VS1->isEnabled()) << "the page is taller than the screen";
    EXPECT_EQ(Window.VS1->maximum(), Window.PPVE->height() - Window.PPCT->height());
}

TEST_F(Preview, ScrollingMovesThePageAndOnlyANewZoomResetsIt)
{
    Window.VS1->setValue(120);
    EXPECT_EQ(Window.PPVE->y(), -120);
    Window.ZZ_Click(1);
    EXPECT_EQ(Window.PPVE->y(), -120) << "the checked zoom changes nothing";
    EXPECT_TRUE(Window.ZZ[1]->isChecked());

    Window.ZZ_Click(0);
    EXPECT_EQ(Window.VS1->value(), 0);
    EXPECT_EQ(Window.PPVE->pos(), QPoint(0, 0));
    EXPECT_EQ(Window.PPVE->width(), qRound(PageSurface::SizePixels().width() * 1.5));
    EXPECT_TRUE(Window.ZZ[0]->isChecked());
    EXPECT_FALSE(Window.ZZ[1]->isChecked());

    Window.ZZ_Click(4);
    EXPECT_FALSE(Window.VS1->isEnabled()) << "a quarter page fits the screen";
}

TEST_F(Preview, NextGoesOnStopEndsTheRunAndTheCloseBoxLeavesTheRequest)
{
    Window.PreviewStopRequest = -1;
    Window.P1_Click();
    EXPECT_EQ(Window.PreviewStopRequest, 0);
    EXPECT_FALSE(Window.isVisible());

    Window.show();
    Window.P2_Click();
    EXPECT_EQ(Window.PreviewStopRequest, -1);

    Window.show();
    Window.close();
    EXPECT_EQ(Window.PreviewStopRequest, -1);
}
