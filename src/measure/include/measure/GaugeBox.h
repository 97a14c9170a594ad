#pragma once

#include <QImage>
#include <QWidget>

// The box of the bar gauge, drawn in its own units (0–1000 across, 0–100
// down). What is drawn stays until the box is cleared, so the bar grows by
// adding rectangles.
class GaugeBox : public QWidget {
public:
    using QWidget::QWidget;

    // Fills the whole box with `colour`, wiping earlier drawing.
    void Clear(const QColor& colour);
    // A filled rectangle from the left edge to `extent` (box units).
    void FillFromLeft(double extent, const QColor& colour);

    const QImage& Picture() const { return Canvas; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The gauge takes no clicks and keeps them from the window behind it.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage Canvas;
    QColor Background = Qt::green;
};
