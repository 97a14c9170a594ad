#include "measure/GaugeBox.h"

#include <QMouseEvent>
#include <QPainter>

void GaugeBox::Clear(const QColor& colour)
{
    Background = colour;
    Canvas = QImage(size(), QImage::Format_RGB32);
    Canvas.fill(colour);
    update();
}

void GaugeBox::FillFromLeft(double extent, const QColor& colour)
{
    // A box resized since it was last cleared starts again from its background.
    if (Canvas.size() != size())
        Clear(Background);
    QPainter painter(&Canvas);
    painter.scale(Canvas.width() / 1000.0, Canvas.height() / 100.0);
    painter.fillRect(QRectF(0, 0, extent, 100), colour);
    update();
}

void GaugeBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (Canvas.size() == size())
        painter.drawImage(0, 0, Canvas);
    else
        painter.fillRect(rect(), Background);
}

void GaugeBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}
