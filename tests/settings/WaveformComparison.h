#pragma once

#include "core/LoudnessAnalysis.h"
#include "widgets/WaveformDrawing.h"
#include "settings/MicTest.h"

#include <QImage>
#include <QPainter>

// The microphone test's waveform of `data` drawn on a picture of the test's
// size, per pixel column or one line per sample.
inline QImage DrawTestPicture(RecordingQuality quality, const QByteArray& data, bool perColumn, const QSize& size = QSize(480, 220))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setWorldTransform(PictureTransform(quality, double(data.size()), size));
    painter.setPen(Qt::black);
    const std::vector<int16_t> levels = SampleLevels(data, SampleWidthOf(quality));
    const bool eightBit = quality == RecordingQuality::Normal;
    const WaveformPlacement placement{0, double(data.size()), eightBit ? 128.0 : 0.0, eightBit ? 1.0 : 0.1};
    if (perColumn)
        DrawWaveform(painter, placement, levels);
    else
        DrawWaveformPerSample(painter, placement, levels);
    return image;
}

struct PictureDifference {
    int Pixels = 0;
    int Drawn = 0;
};

inline PictureDifference ComparePictures(const QImage& a, const QImage& b)
{
    PictureDifference difference;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            difference.Pixels += a.pixel(x, y) != b.pixel(x, y);
            difference.Drawn += a.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    return difference;
}
