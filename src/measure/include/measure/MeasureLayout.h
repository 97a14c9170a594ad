#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <functional>

// Where the controls of the measurement screen go on a screen of W × H pixels.

// The layout with the contest title at the top.
struct HeadingLayoutFigures {
    double Aspect;        // H / W rounded to four decimals
    QRectF Heading;       // the heading label
    double HeadingFontPoints;
    QRectF Band;          // the band, same font as the heading
    QRectF BarBox;        // the bar gauge
    QRectF NextEntry;     // the next-entry label, same font as the heading
    QPointF CircleCentre;
    double CircleRadius;
};
HeadingLayoutFigures ComputeHeadingLayout(double width, double height);

// The layout where the gauge fills the screen above the band; the band's
// height comes from its fitted font.
struct FullGaugeLayoutFigures {
    QRectF Band;          // the band along the bottom edge
    QRectF BarBox;        // the bar gauge over all the screen above the band
    QRectF NextEntry;     // the next-entry label
    QPointF CircleCentre;
    double CircleRadius;
};
FullGaugeLayoutFigures ComputeFullGaugeLayout(double width, double height, double bandHeight);

// Font fitting of the full layout's band: sizes 20, 25, … 1000 until the
// longest state text is wider than 0.8 W or taller than 0.8 H.
int FitFullGaugeBandFont(double width, double height, const std::function<QSizeF(int size)>& measure);
