#include "widgets/WidgetColours.h"

#include <QPalette>
#include <QWidget>

void SetBackColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor BackColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QColor TextColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}
