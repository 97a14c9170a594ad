#pragma once

#include <QColor>

class QWidget;

// Background and text colours of a widget, as its palette holds them. A
// background set here is also filled in.
void SetBackColour(QWidget* widget, const QColor& colour);
QColor BackColour(const QWidget* widget);
void SetTextColour(QWidget* widget, const QColor& colour);
QColor TextColour(const QWidget* widget);
