#include "widgets/FontFitting.h"

#include <QFontMetricsF>
#include <algorithm>

int FitFontSize(int first, int last, int step, double maxWidth, double maxHeight,
                const std::function<QSizeF(int size)>& measure)
{
    const auto overflows = [&](int index) {
        const QSizeF text = measure(first + index * step);
        return text.width() > maxWidth || text.height() > maxHeight;
    };
    // The first overflowing step lies in [low, high]; high = the step after
    // `last`, which is never measured.
    int low = 0;
    int high = last < first ? 0 : (last - first) / step + 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (overflows(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return first + low * step - 10;
}

double PointsFittingWidth(const QFont& font, const QString& text, double maxWidth)
{
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width <= maxWidth || width <= 0)
        return font.pointSizeF();
    // Glyph widths do not scale exactly with the size; leave a little room.
    return std::max(1.0, font.pointSizeF() * maxWidth / width * 0.97);
}
