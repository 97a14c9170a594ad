#pragma once

#include "widgets/WaveformDrawing.h"
#include "report/ScoreSheetLayout.h"

#include <QFont>

class QPainter;

// Drawing of a score sheet on any surface: the printer, the page surface of
// the preview, a PDF file, an image. The painter's viewport is the area the
// page fills (the printable area on paper, the whole surface elsewhere); the
// drawing maps it to page units itself. Line widths are device pixels.

using WaveformDrawer = void (*)(QPainter&, const WaveformPlacement&, std::span<const int16_t>);

// The whole sheet. `drawWaveform` draws the samples of the graph; the
// one-line-per-sample reference can be handed in for comparison.
void DrawScoreSheet(QPainter& painter, const ScoreSheet& sheet, WaveformDrawer drawWaveform = DrawWaveform);

// The graph block: frame, grid, marks, axis labels and the samples.
void DrawScoreGraph(QPainter& painter, const ScoreSheet& sheet, int graphTop, WaveformDrawer drawWaveform = DrawWaveform);

// The text with its top-left corner at (x, y) in the painter's current font.
void PrintTextAt(QPainter& painter, int x, int y, const QString& text);

// The sheet's font of that face at that size, sized in page units so that it
// keeps its size in points on the printed page.
QFont SheetFont(SheetFace face, int points);
