#include "report/ScoreSheetDrawing.h"

#include "widgets/DesktopSetup.h"
#include "report/PageSurface.h"
#include "support/WidgetTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

class SheetDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        InstallFontSubstitutions();
        Sheet.EntryNo = 7;
        Sheet.Title = QStringLiteral("おおごえ大会");
        Sheet.MeasureSeconds = 3;
        Sheet.Quality = RecordingQuality::Normal;
        for (int i = 0; i < 24000; ++i)
            Sheet.Levels.push_back(static_cast<int16_t>((i * 7919) % 256 - 128));
    }

    // The sheet drawn on a white image of that size.
    QImage Drawn(QSize size) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawScoreSheet(painter, Sheet);
        return image;
    }

    ScoreSheet Sheet;
};

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// The rows from the first to the last that hold a dark pixel within the box.
int InkHeight(const QImage& image, const QRect& box)
{
    int top = -1;
    int bottom = -1;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (Dark(image, x, y)) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

double DifferingShare(const QImage& a, const QImage& b)
{
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += Dark(a, x, y) != Dark(b, x, y);
    return double(differing) / (double(a.width()) * a.height());
}

}

TEST_F(SheetDrawing, TextsKeepTheirPointSizesOnThePage)
{
    // One pixel per page unit: 0.1 mm.
    const QImage page = Drawn(QSize(PageWidth, PageHeight));
    // 24 pt is 8.5 mm; the ink of kana and kanji fills most of it.
    const int title = InkHeight(page, QRect(170, 240, 900, 200));
    EXPECT_GT(title, 55);
    EXPECT_LT(title, 90);
    // 12 pt is 4.2 mm.
    const int line = InkHeight(page, QRect(170, 475, 900, 75));
    EXPECT_GT(line, 28);
    EXPECT_LT(line, 45);
}

TEST_F(SheetDrawing, SamplesSpanTheFrameFromTheZeroLine)
{
    Sheet.Levels = {-128, 127, 0};
    const QImage page = Drawn(QSize(PageWidth, PageHeight));
    // Sample 1 of 3 at x = 840 reaches up to the frame's top edge, sample 2
    // at x = 1380 down to nearly its bottom edge; nothing beyond the frame.
    EXPECT_TRUE(Dark(page, 840, 1455));
    EXPECT_TRUE(Dark(page, 840, 1840));
    EXPECT_FALSE(Dark(page, 840, 1860));
    EXPECT_TRUE(Dark(page, 1380, 1860));
    EXPECT_TRUE(Dark(page, 1380, 2240));
    EXPECT_FALSE(Dark(page, 1380, 1840));
    EXPECT_FALSE(Dark(page, 1380, 2262));
}

TEST_F(SheetDrawing, TheRecordedPageShowsTheSameSheetAtEveryZoom)
{
    PageSurface surface;
    surface.Draw([this](QPainter& painter) { DrawScoreSheet(painter, Sheet); });
    for (const double zoom : {1.5, 1.0, 0.25}) {
        const QSize size = (PageSurface::SizePixels() * zoom).toSize();
        QImage played(size, QImage::Format_RGB32);
        played.fill(Qt::white);
        QPainter painter(&played);
        surface.Play(painter, QRectF(QPointF(0, 0), size));
        painter.end();
        EXPECT_LT(DifferingShare(played, Drawn(size)), 0.01) << "zoom " << zoom;
    }
}
