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
        Window.SetPage(&Page);
        Window.show();
    }

    void TearDown() override { Window.close(); }

    QAction* Item(const char* name) { return Window.findChild<QAction*>(QLatin1String(name)); }
    QScrollBar* Bar(const char* name) { return Window.findChild<QScrollBar*>(QLatin1String(name)); }
    QWidget* PageView() { return Window.findChild<QWidget*>(QStringLiteral("pageView")); }
    QWidget* PageFrame() { return Window.findChild<QWidget*>(QStringLiteral("pageFrame")); }

    PageSurface Page;
    PrintPreview Window;
};

}

TEST_F(Preview, EachSheetOpensAtFullSizeScrolledToTheTopLeft)
{
    Item("zoom50")->trigger();
    Window.close();
    Window.show();
    EXPECT_EQ(Window.ZoomStep(), 1);
    EXPECT_TRUE(Item("zoom100")->isChecked());
    EXPECT_FALSE(Item("zoom50")->isChecked());
    EXPECT_EQ(PageView()->size(), PageSurface::SizePixels().toSize());
    EXPECT_EQ(PageView()->pos(), QPoint(0, 0));
    EXPECT_EQ(Bar("horizontalBar")->isEnabled(), PageFrame()->width() <= PageView()->width());
    EXPECT_TRUE(Bar("verticalBar")->isEnabled()) << "the page is taller than the screen";
    EXPECT_EQ(Bar("verticalBar")->maximum(), PageView()->height() - PageFrame()->height());
}

TEST_F(Preview, ScrollingMovesThePageAndOnlyANewZoomResetsIt)
{
    Bar("verticalBar")->setValue(120);
    EXPECT_EQ(PageView()->y(), -120);
    Item("zoom100")->trigger();
    EXPECT_EQ(PageView()->y(), -120) << "the checked zoom changes nothing";
    EXPECT_TRUE(Item("zoom100")->isChecked());

    Item("zoom150")->trigger();
    EXPECT_EQ(Bar("verticalBar")->value(), 0);
    EXPECT_EQ(PageView()->pos(), QPoint(0, 0));
    EXPECT_EQ(PageView()->width(), qRound(PageSurface::SizePixels().width() * 1.5));
    EXPECT_TRUE(Item("zoom150")->isChecked());
    EXPECT_FALSE(Item("zoom100")->isChecked());

    Item("zoom25")->trigger();
    EXPECT_FALSE(Bar("verticalBar")->isEnabled()) << "a quarter page fits the screen";
}

TEST_F(Preview, OnlyStopEndsTheRunNextAndTheCloseBoxGoOn)
{
    Item("stopItem")->trigger();
    EXPECT_TRUE(Window.RunStopped());
    EXPECT_FALSE(Window.isVisible());

    Window.show();
    Item("nextItem")->trigger();
    EXPECT_FALSE(Window.RunStopped());

    Window.show();
    Window.close();
    EXPECT_FALSE(Window.RunStopped());
}
