#pragma once

#include "core/RecordingLevels.h"

#include <QByteArray>
#include <cstdint>
#include <span>
#include <vector>

class QPainter;

// The loudness graph of a recording, shared by the microphone test, the
// score monitor and the score sheet.

// Where the samples go, in the painter's user coordinates: sample t (1 to
// count) is the vertical line at x = Left + t × Width ÷ count from y =
// Baseline to y = Baseline + level × Scale.
struct WaveformPlacement {
    double Left = 0;
    double Width = 0;
    double Baseline = 0;
    double Scale = 1;
};

// Draws the waveform in the colour of the painter's pen, one device pixel
// wide: of the samples that fall in one half of a pixel column of the
// device, only the lines that cover all the others (the lowest, the highest
// and one at the baseline). That is the picture of one line per sample, pixel
// for pixel, at a small fraction of the cost, whatever the recording's
// length; a rotated or sheared painter gets one line per sample.
void DrawWaveform(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels);

// For a page made of lines rather than pixels (a PDF file, a printer): the
// same picture as one filled outline, columns 1/300 inch apart, from each
// column's lowest level (or the baseline) to its highest; a few hundred
// bytes a sheet instead of a line for every half pixel column.
void DrawWaveformOutline(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels);

// One line per sample, the obvious way: the reference the fast drawing is
// measured against.
void DrawWaveformPerSample(QPainter& painter, const WaveformPlacement& placement, std::span<const int16_t> levels);
