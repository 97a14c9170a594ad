#pragma once

#include <QSizeF>
#include <functional>

// The largest text that fits a box, found by growing the font size from
// `first` in steps of `step` up to `last` until the text measured at that
// size is wider than `maxWidth` or taller than `maxHeight`. The result is
// that first overflowing size less 10 — or, when no size overflows, the size
// after `last` less 10.
int FitFontSize(int first, int last, int step, double maxWidth, double maxHeight,
                const std::function<QSizeF(int size)>& measure);
