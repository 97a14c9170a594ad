#include "measure/GaugeDrawing.h"

#include "measure/Gauge.h"
#include "measure/GaugeBox.h"

#include <QPainter>

namespace {

const QColor GaugeGreen(0, 128, 0);
const QColor GaugeRed(255, 0, 0);

}

void DrawBarGauge(GaugeBox& box, int value)
{
    if (value <= 0)
        box.Clear(GaugeGreen);
    else if (value >= 100)
        box.Clear(GaugeRed);
    else
        box.FillFromLeft(BarRedExtent(value), GaugeRed);
}

void DrawCircleGauge(QPainter& painter, const QPointF& centre, double radius, int value)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setBrush(value <= 0 ? GaugeGreen : GaugeRed);
    painter.drawEllipse(disc);
    if (value > 0 && value < 100) {
        painter.setBrush(GaugeGreen);
        constexpr double SixteenthsPerRadian = 180.0 / 3.141592 * 16;
        for (const GaugeSector& sector : GreenSectors(value))
            painter.drawPie(disc, qRound(sector.Start * SixteenthsPerRadian), qRound((sector.End - sector.Start) * SixteenthsPerRadian));
    }
}
