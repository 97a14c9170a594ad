#include "measure/WaveformDrawing.h"

#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

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
void DrawSampleLine(QPainter& painter, const WaveformPlacement& placement, size_t t, std::span<const int16_t> levels)
{
    const double x = SampleX(placement, t, levels.size());
    painter.drawLine(QPointF(x, placement.Baseline), QPointF(x, placement.Baseline + levels[t - 1] * placement.Scale));
}

// The samples whose lines fall within one half of a device pixel column.
// Whichever way the painter rounds a line's x to a pixel column, all of a
// half column's lines land in the same column, and they all start at the
// baseline: the line of the lowest sample covers every line below the
// baseline, the highest every line above it. A sample at the baseline is a
// line of no length, which the painter draws as one pixel at the rounded
// position, the same for the whole half column.
struct HalfColumn {
    int64_t Key = 0;
    size_t Lowest = 0;
    size_t Highest = 0;
    size_t Zero = 0;

    bool Used() const { return Lowest != 0 || Highest != 0 || Zero != 0; }

    // Sample t (1 to the count).
    void Take(size_t t, int16_t level)
    {
        if (level < 0 && (Lowest == 0 || level < LowestLevel)) {
            Lowest = t;
            LowestLevel = level;
        } else if (level > 0 && (Highest == 0 || level > HighestLevel)) {
            Highest = t;
            HighestLevel = level;
        } else if (level == 0 && Zero == 0) {
            Zero = t;
        }
    }

    void Draw(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels) const
    {
        for (size_t t : {Lowest, Highest, Zero}) {
            if (t != 0)
                DrawSampleLine(painter, placement, t, levels);
        }
    }

    int16_t LowestLevel = 0;
    int16_t HighestLevel = 0;
};

}

std::vector<int16_t> SampleLevels(const QByteArray& data, SampleWidth width)
{
    std::vector<int16_t> levels;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    if (width == SampleWidth::Bits8) {
        levels.resize(static_cast<size_t>(data.size()));
        for (size_t i = 0; i < levels.size(); ++i)
            levels[i] = static_cast<int16_t>(bytes[i] - 128);
    } else {
        levels.resize(static_cast<size_t>(data.size() / 2));
        for (size_t i = 0; i < levels.size(); ++i)
            levels[i] = qFromLittleEndian<int16_t>(bytes + 2 * i);
    }
    return levels;
}

void DrawWaveformPerSample(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels)
{
    painter.save();
    painter.setPen(HairlinePen(painter));
    for (size_t t = 1; t <= levels.size(); ++t)
        DrawSampleLine(painter, placement, t, levels);
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
    painter.save();
    painter.setPen(HairlinePen(painter));
    // Samples come in x order, so the samples of a half column follow each
    // other.
    HalfColumn column;
    for (size_t t = 1; t <= levels.size(); ++t) {
        const double deviceX = toDevice.m11() * SampleX(placement, t, levels.size()) + toDevice.dx();
        const auto key = static_cast<int64_t>(std::floor(2 * deviceX));
        if (column.Used() && key != column.Key) {
            column.Draw(painter, placement, levels);
            column = HalfColumn();
        }
        column.Key = key;
        column.Take(t, levels[t - 1]);
    }
    if (column.Used())
        column.Draw(painter, placement, levels);
    painter.restore();
}
