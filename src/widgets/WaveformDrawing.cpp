#include "widgets/WaveformDrawing.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A printed sheet shows no finer columns than these.
constexpr double OutlineColumnsPerInch = 300;

// A one-pixel solid pen in the colour of the painter's pen, whatever the
// coordinate system.
QPen HairlinePen(const QPainter& painter)
{
    QPen pen(painter.pen().color());
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

double SampleX(const WaveformPlacement& placement, size_t t, size_t count)
{
    return placement.Left + double(t) * placement.Width / double(count);
}

// Sample t's own line, from the baseline to its level.
QLineF SampleLine(const WaveformPlacement& placement, size_t t, std::span<const int16_t> levels)
{
    const double x = SampleX(placement, t, levels.size());
    return QLineF(QPointF(x, placement.Baseline), QPointF(x, placement.Baseline + levels[t - 1] * placement.Scale));
}

// Samples are grouped by the half of a device pixel column their lines fall
// in. Whichever way the painter rounds a line's x to a pixel column, all of
// a half column's lines land in the same column, and they all start at the
// baseline: the line of the lowest sample covers every line below the
// baseline, the highest every line above it. A sample at the baseline is a
// line of no length, which the painter draws as one pixel at the rounded
// position, the same for the whole half column.
class HalfColumns {
public:
    HalfColumns(const QTransform& toDevice, const WaveformPlacement& placement, size_t count)
        : ToDevice(toDevice), Placement(placement), Count(count)
    {
    }

    // The half column of sample t (1 to the count), by the device x the
    // painter gives its line; it never decreases or never increases with t.
    int64_t Of(size_t t) const
    {
        const double deviceX = ToDevice.m11() * SampleX(Placement, t, Count) + ToDevice.dx();
        return static_cast<int64_t>(std::floor(2 * deviceX));
    }

    // The last sample in the half column of sample `first`: forward in
    // growing steps, then halving the gap.
    size_t LastWithSame(size_t first) const
    {
        const int64_t column = Of(first);
        size_t inside = first;
        size_t outside = Count + 1;
        for (size_t step = 1; inside + step <= Count; step *= 2) {
            if (Of(inside + step) != column) {
                outside = inside + step;
                break;
            }
            inside += step;
        }
        while (outside - inside > 1) {
            const size_t middle = inside + (outside - inside) / 2;
            (Of(middle) == column ? inside : outside) = middle;
        }
        return inside;
    }

private:
    QTransform ToDevice;
    WaveformPlacement Placement;
    size_t Count;
};

// The lines of samples `first` to `last` that cover all of theirs: the
// lowest, the highest and one at the baseline, where there are such.
void AddCoveringLines(std::vector<QLineF>& lines, const WaveformPlacement& placement, std::span<const int16_t> levels,
                      size_t first, size_t last)
{
    const auto begin = levels.begin() + static_cast<std::ptrdiff_t>(first - 1);
    const auto end = levels.begin() + static_cast<std::ptrdiff_t>(last);
    int16_t lowest = 0;
    int16_t highest = 0;
    for (auto level = begin; level != end; ++level) {
        lowest = std::min(lowest, *level);
        highest = std::max(highest, *level);
    }
    const auto addLineOf = [&](int16_t wanted) {
        const auto found = std::find(begin, end, wanted);
        if (found != end)
            lines.push_back(SampleLine(placement, static_cast<size_t>(found - levels.begin()) + 1, levels));
    };
    if (lowest < 0)
        addLineOf(lowest);
    if (highest > 0)
        addLineOf(highest);
    addLineOf(0);
}

}

void DrawWaveformPerSample(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels)
{
    painter.save();
    painter.setPen(HairlinePen(painter));
    for (size_t t = 1; t <= levels.size(); ++t)
        painter.drawLine(SampleLine(placement, t, levels));
    painter.restore();
}

void DrawWaveform(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels)
{
    const QTransform toDevice = painter.combinedTransform();
    // Only a scaled and shifted system keeps columns upright.
    if (toDevice.type() > QTransform::TxScale) {
        DrawWaveformPerSample(painter, placement, levels);
        return;
    }
    // Samples come in x order, so the samples of a half column follow each
    // other.
    const HalfColumns halfColumns(toDevice, placement, levels.size());
    std::vector<QLineF> lines;
    for (size_t first = 1; first <= levels.size();) {
        const size_t last = halfColumns.LastWithSame(first);
        AddCoveringLines(lines, placement, levels, first, last);
        first = last + 1;
    }
    painter.save();
    painter.setPen(HairlinePen(painter));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.restore();
}

void DrawWaveformOutline(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels)
{
    const QTransform toDevice = painter.combinedTransform();
    const double inches = placement.Width * toDevice.m11() / painter.device()->logicalDpiX();
    const size_t columns = static_cast<size_t>(std::ceil(inches * OutlineColumnsPerInch));
    const size_t count = levels.size();
    // Fewer samples than that are few lines anyway.
    if (toDevice.type() > QTransform::TxScale || count < 2 * columns) {
        DrawWaveform(painter, placement, levels);
        return;
    }
    // Every line starts at the baseline: a column's lines together reach from
    // its lowest level (or the baseline) to its highest (or the baseline).
    QPolygonF outline(static_cast<qsizetype>(2 * columns));
    for (size_t c = 0; c < columns; ++c) {
        const auto begin = levels.begin() + static_cast<std::ptrdiff_t>(c * count / columns);
        const auto end = levels.begin() + static_cast<std::ptrdiff_t>((c + 1) * count / columns);
        const auto [lowest, highest] = std::minmax_element(begin, end);
        const double x = placement.Left + (double(c) + 0.5) * placement.Width / double(columns);
        outline[qsizetype(c)] = QPointF(x, placement.Baseline + std::max<int16_t>(*highest, 0) * placement.Scale);
        outline[qsizetype(2 * columns - 1 - c)] = QPointF(x, placement.Baseline + std::min<int16_t>(*lowest, 0) * placement.Scale);
    }
    painter.save();
    painter.setBrush(painter.pen().color());
    // The outline's own hairline keeps a silent stretch visible on the baseline.
    painter.setPen(HairlinePen(painter));
    painter.drawPolygon(outline);
    painter.restore();
}
