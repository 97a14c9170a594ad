#include "widgets/WaveformDrawing.h"

#include "support/SpokenRecording.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace {

struct Surface {
    const char* Name;
    QSize Size;
    // The painter's user coordinates and where the samples go in them.
    QRect Window;
    WaveformPlacement Placement;
};

// A picture of `levels` drawn by `draw` in black on white.
template <class Draw>
QImage Render(const Surface& surface, std::span<const int16_t> levels, Draw draw)
{
    QImage image(surface.Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setWindow(surface.Window);
    painter.setViewport(QRect(QPoint(0, 0), surface.Size));
    painter.setPen(Qt::black);
    draw(painter, surface.Placement, levels);
    return image;
}

double DifferingShare(const QImage& a, const QImage& b)
{
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return double(differing) / (double(a.width()) * a.height());
}

}

TEST(WaveformDrawing, PerColumnDrawingIsThePictureOfOneLinePerSampleForSpeech)
{
    const Surface surfaces[] = {
        {"full-screen graph 48 kHz", {1920, 1080}, {-200, -3800, 10400, 7600}, {0, 10000, 0, 3500.0 / 32768}},
        {"small graph", {641, 357}, {-200, -3800, 10400, 7600}, {0, 10000, 0, 3500.0 / 32768}},
        {"pixel units, offset", {800, 300}, {0, 0, 800, 300}, {37.25, 700.5, 150, 140.0 / 32768}},
        {"page units", {1240, 1754}, {0, 0, 2100, 2970}, {200, 1700, 1500, 600.0 / 32768}},
    };
    for (int quality : {0, 1, 2}) {
        const QByteArray file = SpokenRecordingFile(quality, 30);
        ASSERT_FALSE(file.isEmpty()) << "espeak-ng and sox make the speech";
        const std::vector<int16_t> levels =
            SampleLevels(file.mid(RecordingHeaderSize), quality == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16);
        for (Surface surface : surfaces) {
            if (quality == 0)
                surface.Placement.Scale *= 256;
            const QImage fast = Render(surface, levels, DrawWaveform);
            const QImage reference = Render(surface, levels, DrawWaveformPerSample);
            const double share = DifferingShare(fast, reference);
            RecordProperty(std::string(surface.Name) + " quality " + std::to_string(quality), std::to_string(share));
            EXPECT_EQ(share, 0.0) << surface.Name << ", quality " << quality;
        }
    }
}

TEST(WaveformDrawing, PerColumnDrawingKeepsTinyLevelsAndSilenceAsTheReferenceDrawsThem)
{
    // Lines shorter than a pixel, lines of no length and a y axis that
    // points upwards.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> tiny(-3, 3);
    std::vector<int16_t> levels(96000);
    for (size_t i = 0; i < levels.size(); ++i)
        levels[i] = static_cast<int16_t>(i % 20000 < 5000 ? 0 : tiny(random) * (i % 7 == 0 ? 9000 : 1));
    const Surface surfaces[] = {
        {"graph", {1920, 1080}, {-200, -3800, 10400, 7600}, {0, 10000, 0, 3500.0 / 32768}},
        {"upwards", {777, 301}, {0, 300, 1000, -600}, {10, 980, 0, 280.0 / 32768}},
        {"wider than the samples", {3000, 200}, {0, -100, 3000, 200}, {0.3, 2999.4, 0, 90.0 / 32768}},
    };
    for (const Surface& surface : surfaces) {
        const std::span<const int16_t> part(levels.data(), std::string(surface.Name) == "wider than the samples" ? 2500 : levels.size());
        EXPECT_EQ(DifferingShare(Render(surface, part, DrawWaveform), Render(surface, part, DrawWaveformPerSample)), 0.0)
            << surface.Name;
    }
}
