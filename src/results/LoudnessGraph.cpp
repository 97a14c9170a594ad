#include "results/LoudnessGraph.h"

#include "core/RecordingFile.h"

#include <QPainter>
#include <algorithm>

namespace {

const QRect GraphWindow(-200, -3800, 10400, 7600);
const QRectF FrameRect(0, -GraphHalfHeight, GraphWidth, 2 * GraphHalfHeight);
const QColor NoiseColour(0, 128, 0);
const QColor ZeroColour(0, 0, 128);

QPen PixelPen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style);
    pen.setCosmetic(true);
    return pen;
}

// Graph units on the painter; the caller saves and restores it.
void UseGraphUnits(QPainter& painter, QSize size)
{
    painter.setWindow(GraphWindow);
    painter.setViewport(QRect(QPoint(0, 0), size));
}

void DrawFrameRect(QPainter& painter, const QColor& colour, int width)
{
    painter.setPen(PixelPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(FrameRect);
}

// Text whose top left corner is at (x, y) in graph units, in the font's own
// pixel size rather than scaled with the units. A text that would run past
// `rightEdge` (pixels) ends there instead: the last time label of a long
// measurement on a narrow screen.
void PrintAt(QPainter& painter, int x, int y, const QString& text, int rightEdge)
{
    QPointF topLeft = painter.combinedTransform().map(QPointF(x, y));
    topLeft.setX(std::min(topLeft.x(), double(rightEdge - painter.fontMetrics().horizontalAdvance(text))));
    painter.save();
    painter.setViewTransformEnabled(false);
    painter.setWorldMatrixEnabled(false);
    painter.drawText(topLeft + QPointF(0, painter.fontMetrics().ascent()), text);
    painter.restore();
}

}

QColor GraphBackColour(const GraphLook& look)
{
    return look.WhiteOnBlack ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

QColor GraphDrawColour(const GraphLook& look)
{
    return look.WhiteOnBlack ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

QTransform GraphTransform(QSize size)
{
    return QTransform::fromScale(size.width() / double(GraphWindow.width()), size.height() / double(GraphWindow.height()))
        .translate(-GraphWindow.left(), -GraphWindow.top());
}

int NoiseLineOffset(int noiseCutLevel)
{
    return static_cast<int>(noiseCutLevel / 100.0 * 3277);
}

int MonitorTextPoints(int screenHeight)
{
    return std::max(12, qRound(12 * screenHeight / 720.0));
}

QString TimeLabel(int label, int measureSeconds)
{
    return QString::number(label * measureSeconds / 10.0, 'f', 1);
}

void DrawGraphFrame(QPainter& painter, QSize size, const GraphLook& look)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), GraphBackColour(look));
    UseGraphUnits(painter, size);
    DrawFrameRect(painter, GraphDrawColour(look), 2);
    const int offset = NoiseLineOffset(look.NoiseCutLevel);
    painter.setPen(PixelPen(NoiseColour, 2));
    painter.drawLine(QPointF(0, -offset), QPointF(GraphWidth, -offset));
    painter.drawLine(QPointF(0, offset), QPointF(GraphWidth, offset));
    painter.setPen(PixelPen(ZeroColour, 2));
    painter.drawLine(QPointF(0, 0), QPointF(GraphWidth, 0));
    painter.restore();
}

void DrawGraphScale(QPainter& painter, QSize size, const GraphLook& look)
{
    const QColor colour = GraphDrawColour(look);
    painter.save();
    UseGraphUnits(painter, size);
    DrawFrameRect(painter, colour, 4);
    painter.setPen(PixelPen(colour, 1, Qt::DotLine));
    for (int k = 1; k <= 9; ++k)
        painter.drawLine(QPointF(k * 1000, -GraphHalfHeight), QPointF(k * 1000, GraphHalfHeight));
    painter.setPen(PixelPen(colour, 1));
    painter.drawLine(QPointF(0, 0), QPointF(GraphWidth, 0));

    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSize(MonitorTextPoints(size.height()));
    painter.setFont(font);
    const int right = size.width();
    for (int m = 0; m <= 10; ++m)
        PrintAt(painter, -200, m * 700 - 3550, m == 5 ? QStringLiteral(" +") : QStringLiteral(" ･"), right);
    PrintAt(painter, -50, 3580, QStringLiteral("0"), right);
    for (int h = 1; h <= 10; ++h)
        PrintAt(painter, h * 1000 - 50, 3580, TimeLabel(h, look.MeasureSeconds), right);
    painter.restore();
}

void DrawGraphWaveform(QPainter& painter, QSize size, const GraphLook& look, const RecordingLevels& recording,
                       WaveformDrawer draw)
{
    const double fullScale = recording.Width == SampleWidth::Bits8 ? 128.0 : 32768.0;
    painter.save();
    UseGraphUnits(painter, size);
    painter.setPen(PixelPen(GraphDrawColour(look), 1));
    draw(painter, WaveformPlacement{0, GraphWidth, 0, GraphHalfHeight / fullScale}, recording.Levels);
    painter.restore();
}
