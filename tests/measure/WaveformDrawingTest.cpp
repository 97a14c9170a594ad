#include "measure/WaveformDrawing.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace {

// A recording drawn in a 1620 by 800 unit frame mapped onto `size` pixels.
QImage Drawn(QSize size, std::span<const int16_t> levels, double scale,
             void (*draw)(QPainter&, const WaveformPlacement&, std::span<const int16_t>))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setWindow(0, 0, 1620, 800);
    painter.setPen(Qt::black);
    draw(painter, WaveformPlacement{0, 1620, 400, scale}, levels);
    return image;
}

double DifferingShare(const QImage& a, const QImage& b)
{
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return double(differing) / (double(a.width()) * a.height());
}

std::vector<int16_t> RandomLevels(size_t count, int low, int high)
{
    std::mt19937 random(count);
    std::uniform_int_distribution<int> level(low, high);
    std::vector<int16_t> levels(count);
    for (int16_t& value : levels)
        value = static_cast<int16_t>(level(random));
    return levels;
}

}

TEST(WaveformDrawing, ColumnsDrawTheSamePictureAsOneLinePerSample)
{
    struct Case {
        size_t Count;
        QSize Size;
        int Low;
        int High;
        double Scale;
    };
    const Case cases[] = {
        {1440000, QSize(812, 400), -32768, 32767, 400.0 / 32768},
        {240000, QSize(1620, 800), -128, 127, 400.0 / 128},
        {300, QSize(1620, 800), -128, 127, 400.0 / 128},
        {5000, QSize(1000, 500), 0, 127, 400.0 / 128},
    };
    for (const Case& c : cases) {
        const std::vector<int16_t> levels = RandomLevels(c.Count, c.Low, c.High);
        const QImage columns = Drawn(c.Size, levels, c.Scale, DrawWaveform);
        const QImage perSample = Drawn(c.Size, levels, c.Scale, DrawWaveformPerSample);
        EXPECT_LT(DifferingShare(columns, perSample), 0.005) << c.Count << " samples";
    }
}
