#include "report/ScoreSheetDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

constexpr int FrameLeft = 300;
constexpr int FrameRight = 1920;
constexpr int FrameHeight = 800;
constexpr double PageUnitsPerPoint = 254.0 / 72.0;

QPen DevicePen(int width, Qt::PenStyle style)
{
    QPen pen(Qt::black, width, style);
    pen.setCosmetic(true);
    return pen;
}

void PrintTexts(QPainter& painter, const std::vector<SheetText>& texts)
{
    for (const SheetText& text : texts) {
        painter.setFont(SheetFont(text.Face, text.Points));
        PrintTextAt(painter, text.X, text.Y, text.Text);
    }
}

void DrawGrid(QPainter& painter, int graphTop)
{
    painter.setPen(DevicePen(4, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(FrameLeft, graphTop), QPoint(FrameRight, graphTop + FrameHeight)));
    painter.setPen(DevicePen(1, Qt::DotLine));
    for (int c = 1; c <= 9; ++c) {
        const int x = FrameLeft + 162 * c;
        painter.drawLine(x, graphTop, x, graphTop + FrameHeight);
    }
    for (int d = 1; d <= 9; ++d) {
        painter.setPen(DevicePen(1, d == 5 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(FrameLeft, graphTop + 80 * d, FrameRight, graphTop + 80 * d);
    }
}

}

QFont SheetFont(SheetFace face, int points)
{
    QFont font(face == SheetFace::Gothic ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * PageUnitsPerPoint))));
    return font;
}

void PrintTextAt(QPainter& painter, int x, int y, const QString& text)
{
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void DrawScoreGraph(QPainter& painter, const ScoreSheet& sheet, int graphTop, WaveformDrawer drawWaveform)
{
    painter.save();
    DrawGrid(painter, graphTop);
    painter.setPen(DevicePen(1, Qt::SolidLine));
    PrintTexts(painter, ScoreGraphTexts(graphTop, sheet.MeasureSeconds));
    const WaveformPlacement placement{FrameLeft, FrameRight - FrameLeft, double(graphTop + FrameHeight / 2),
                                      GraphLevelScale(sheet.Quality)};
    drawWaveform(painter, placement, sheet.Levels);
    painter.restore();
}

void DrawScoreSheet(QPainter& painter, const ScoreSheet& sheet, WaveformDrawer drawWaveform)
{
    painter.save();
    painter.setWindow(0, 0, PageWidth, PageHeight);
    painter.setPen(DevicePen(1, Qt::SolidLine));
    const std::vector<SheetText> texts = ScoreSheetTexts(sheet);
    // The quality line comes last, under the graph.
    PrintTexts(painter, {texts.begin(), texts.end() - 1});
    DrawScoreGraph(painter, sheet, GraphTopOfSheet, drawWaveform);
    PrintTexts(painter, {texts.end() - 1, texts.end()});
    painter.restore();
}
