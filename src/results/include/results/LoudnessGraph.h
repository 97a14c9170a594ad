#pragma once

#include "core/LoudnessAnalysis.h"
#include "widgets/WaveformDrawing.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

class QPainter;

// The score monitor's graph of one recording over the measurement time, in
// graph units: x from 0 to 10000 across the frame, y from -3500 at the top
// of the frame to 3500 at its bottom, the window showing x from -200 to 10200
// and y from -3800 to 3800.

constexpr int GraphWidth = 10000;
constexpr int GraphHalfHeight = 3500;

struct GraphLook {
    bool WhiteOnBlack = false;
    // Percent of full scale, as set now.
    int NoiseCutLevel = 0;
    // The measurement time set now, whatever the entrant was recorded with.
    int MeasureSeconds = 1;
};

QColor GraphBackColour(const GraphLook& look);
QColor GraphDrawColour(const GraphLook& look);

// Graph units to the pixels of a window of `size`, and back.
QTransform GraphTransform(QSize size);

// The level of the two noise cut lines above and below the centre.
int NoiseLineOffset(int noiseCutLevel);

// "0.5" for the first of ten labels of five seconds.
QString TimeLabel(int label, int measureSeconds);

// The point size of the monitor's texts (its score line and the graph's
// scale) on a screen `screenHeight` pixels high: 12 up to 720 pixels, and in
// proportion above, so that they keep their share of a large screen and stay
// readable from the back of the hall.
int MonitorTextPoints(int screenHeight);

// The steps of the picture on a painter over a window of `size`, each in
// graph units: the background with the frame and the noise lines; the
// frame, grid, centre line and labels; the waveform, drawn by `draw` (the
// reference drawing may stand in for the per-column one).
void DrawGraphFrame(QPainter& painter, QSize size, const GraphLook& look);
void DrawGraphScale(QPainter& painter, QSize size, const GraphLook& look);
using WaveformDrawer = void (*)(QPainter&, const WaveformPlacement&, std::span<const int16_t>);
void DrawGraphWaveform(QPainter& painter, QSize size, const GraphLook& look, const RecordingLevels& recording,
                       WaveformDrawer draw = DrawWaveform);
