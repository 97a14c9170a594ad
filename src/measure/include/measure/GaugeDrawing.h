#pragma once

#include <QPointF>

class GaugeBox;
class QPainter;

// The measurement screen's gauge drawn for a value (see Gauge.h): green while
// nothing is measured, red growing with the elapsed percentage, all red at
// the end.

// The bar gauge in its box.
void DrawBarGauge(GaugeBox& box, int value);
// The circle gauge: a disc of `radius` about `centre`, red growing clockwise
// from 12 o'clock.
void DrawCircleGauge(QPainter& painter, const QPointF& centre, double radius, int value);
