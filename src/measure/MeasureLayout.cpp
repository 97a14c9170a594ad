#include "measure/MeasureLayout.h"

#include "widgets/FontFitting.h"

#include <cmath>

namespace {

double HeadingHeight(double height, double aspect)
{
    // Wide screens (16:9, 16:10) get a tenth, 4:3 a ninth, 5:4 an eighth.
    if (aspect < 0.7)
        return height / 10;
    if (aspect < 0.775)
        return height / 9;
    return height / 8;
}

}

HeadingLayoutFigures ComputeHeadingLayout(double width, double height)
{
    HeadingLayoutFigures layout;
    layout.Aspect = std::round(height / width * 10000) / 10000;
    const double left = width / 24;
    const double labelWidth = 22 * width / 24;
    const double top = height / 36;
    const double labelHeight = HeadingHeight(height, layout.Aspect);
    layout.Heading = QRectF(left, top, labelWidth, labelHeight);
    layout.HeadingFontPoints = 0.7 * labelHeight;
    layout.Band = QRectF(left, height - top - labelHeight, labelWidth, labelHeight);
    layout.BarBox = QRectF(0.1 * width, 0.35 * height, 0.8 * width, 0.3 * height);
    layout.NextEntry = QRectF(left, height / 2 - labelHeight / 2, labelWidth, labelHeight);
    layout.CircleCentre = QPointF(width / 2, height / 2);
    layout.CircleRadius = height / 3.5;
    return layout;
}

FullGaugeLayoutFigures ComputeFullGaugeLayout(double width, double height, double bandHeight)
{
    FullGaugeLayoutFigures layout;
    layout.Band = QRectF(0, height - bandHeight, width, bandHeight);
    layout.BarBox = QRectF(1, 1, width - 2, height - bandHeight - 2);
    layout.NextEntry = QRectF(0, height / 2 - 2 * bandHeight, width, bandHeight);
    layout.CircleCentre = QPointF(width / 2, (height - bandHeight) / 2);
    layout.CircleRadius = (height - bandHeight) / 2.5;
    return layout;
}

int FitFullGaugeBandFont(double width, double height, const std::function<QSizeF(int size)>& measure)
{
    return FitFontSize(20, 1000, 5, 0.8 * width, 0.8 * height, measure);
}
