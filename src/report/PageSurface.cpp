#include "report/PageSurface.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

// Recording grid per screen pixel of the page at 100 %.
constexpr double RecordingScale = 2;

}

QSizeF PageSurface::SizePixels()
{
    return {WidthTwips / TwipsPerPixel, HeightTwips / TwipsPerPixel};
}

QSizeF PageSurface::RecordedSize()
{
    return SizePixels() * RecordingScale;
}

void PageSurface::Clear()
{
    Picture = QPicture();
    Empty = true;
}

void PageSurface::Draw(const std::function<void(QPainter&)>& draw)
{
    QPainter painter(&Picture);
    const QSizeF size = RecordedSize();
    painter.setViewport(0, 0, qRound(size.width()), qRound(size.height()));
    painter.setWindow(0, 0, qRound(size.width()), qRound(size.height()));
    draw(painter);
    painter.end();
    Empty = false;
}

void PageSurface::Play(QPainter& painter, const QRectF& target) const
{
    if (Empty)
        return;
    const QSizeF size = RecordedSize();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / qRound(size.width()), target.height() / qRound(size.height()));
    // The picture scales itself by the target's resolution over its own.
    const double dpiX = painter.device()->logicalDpiX();
    const double dpiY = painter.device()->logicalDpiY();
    painter.scale(Picture.logicalDpiX() / dpiX, Picture.logicalDpiY() / dpiY);
    QPicture recording = Picture;
    recording.play(&painter);
    painter.restore();
}
