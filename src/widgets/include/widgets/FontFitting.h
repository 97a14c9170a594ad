#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <functional>

// The largest text that fits a box, found by growing the font size from
// `first` in steps of `step` up to `last` until the text measured at that
// size is wider than `maxWidth` or taller than `maxHeight`. The result is
// that first overflowing size less 10 — or, when no size overflows, the size
// after `last` less 10.
//
// A text grows with its font, so the first overflowing size is found by
// halving the range of sizes: about seven measurements instead of one per
// size, each of which loads the font at a size of its own.
int FitFontSize(int first, int last, int step, double maxWidth, double maxHeight,
                const std::function<QSizeF(int size)>& measure);

// The point size of `font` at which `text` is at most `maxWidth` wide on one
// line: the font's own size when it fits, else that size scaled down.
double PointsFittingWidth(const QFont& font, const QString& text, double maxWidth);
