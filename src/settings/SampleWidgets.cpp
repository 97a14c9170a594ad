#include "settings/SampleWidgets.h"

#include <QPainter>
#include <algorithm>

ColourPatch::ColourPatch(QWidget* parent, const QSize& size) : QLabel(parent)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    if (size.isValid())
        setFixedSize(size);
}

void ColourPatch::mouseDoubleClickEvent(QMouseEvent*)
{
    emit doubleClicked();
}

GaugeSample::GaugeSample(Kind kind, QWidget* parent) : QWidget(parent), Shape(kind) {}

void GaugeSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 0));
    if (Shape == Bar) {
        painter.drawRect(rect());
        painter.setBrush(QColor(255, 0, 0));
        painter.drawRect(QRectF(0, 0, width() * 0.6, height()));
    } else {
        const int side = std::min(width(), height());
        painter.drawEllipse(QRect((width() - side) / 2, (height() - side) / 2, side, side));
    }
}

PictureBox::PictureBox(const QSize& size, QWidget* parent) : QWidget(parent), Picture(size, QImage::Format_RGB32)
{
    setFixedSize(size);
    Clear();
}

void PictureBox::Clear()
{
    Picture.fill(Qt::white);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
}

LevelBar::LevelBar(const QSize& size, QWidget* parent) : QWidget(parent)
{
    setFixedSize(size);
}

void LevelBar::SetLevel(double level)
{
    Current = std::clamp(level, 0.0, 1.0);
    update();
}

void LevelBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int filled = static_cast<int>(Current * height() + 0.5);
    painter.fillRect(QRect(0, height() - filled, width(), filled), Current >= 0.9 ? QColor(255, 0, 0) : QColor(0, 200, 0));
}
