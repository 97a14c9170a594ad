#include "measure/WaveformDrawing.h"

#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <map>

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

struct ColumnSpan {
    int Low;
    int High;
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
    for (size_t t = 1; t <= levels.size(); ++t) {
        const double x = SampleX(placement, t, levels.size());
        painter.drawLine(QPointF(x, placement.Baseline), QPointF(x, placement.Baseline + levels[t - 1] * placement.Scale));
    }
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
    // Each sample's line falls into the device column its x rounds to; the
    // column then spans the lowest and highest level seen there, with the
    // baseline, which every line starts from.
    std::map<int, ColumnSpan> columns;
    auto hint = columns.end();
    for (size_t t = 1; t <= levels.size(); ++t) {
        const double deviceX = toDevice.m11() * SampleX(placement, t, levels.size()) + toDevice.dx();
        const int column = static_cast<int>(std::floor(deviceX));
        const int level = levels[t - 1];
        if (hint == columns.end() || hint->first != column)
            hint = columns.try_emplace(hint, column, ColumnSpan{0, 0});
        hint->second.Low = std::min(hint->second.Low, level);
        hint->second.High = std::max(hint->second.High, level);
    }
    painter.save();
    painter.setPen(HairlinePen(painter));
    painter.resetTransform();
    painter.setWorldMatrixEnabled(false);
    painter.setViewTransformEnabled(false);
    const auto deviceY = [&](double level) {
        return toDevice.m22() * (placement.Baseline + level * placement.Scale) + toDevice.dy();
    };
    for (const auto& [column, span] : columns) {
        const double x = column + 0.5;
        painter.drawLine(QPointF(x, deviceY(span.Low)), QPointF(x, deviceY(span.High)));
    }
    painter.restore();
}
