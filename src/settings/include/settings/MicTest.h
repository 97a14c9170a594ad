#pragma once

#include "core/Points.h"
#include "core/RecordingQuality.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <cstdint>

class QPainter;

// The microphone test: a recording of three seconds into "mk1.wav", shown as
// its header, its waveform against the noise cut band, and the scores a
// measurement of the same sound would get.

constexpr int TestSeconds = 3;
constexpr int TestTicks = 30;

// Data bytes of a test recording at the quality: 24000, 96000 or 288000.
int ExpectedTestBytes(RecordingQuality quality);

// "5%以下をカット".
QString CutLevelText(int noiseCutLevel);

// Half the height of the cut band in the picture's units, rounded down:
// level × 128 ÷ 100 at 8 bit, level ÷ 100 × 3277 at 16 bit.
int CutBandHalfHeight(int noiseCutLevel, RecordingQuality quality);

// The 14 read-out lines of a 46-byte recording header: the chunk names as
// text, every other field as its bytes in upper-case hexadecimal without
// leading zeros, in file order ("401F00" for 8000).
QStringList HeaderReadout(const QByteArray& header);

// "測定値 : " + the points right-aligned in four characters + " 点".
QString ScoreLine(const QString& label, Points points);

// The picture's scale for a quality: x from 0 to `width`, y from 266 at the
// top to -10 at the bottom at 8 bit, from 3500 to -3500 at 16 bit, mapped
// onto a picture of `pixels`.
QTransform PictureTransform(RecordingQuality quality, double width, const QSize& pixels);

// Drawing on a painter that carries PictureTransform:
// the cut band across `width` — hatched, with the centre line and green
// edges; after a test only the edges, dotted;
void DrawCutBand(QPainter& painter, RecordingQuality quality, double width, int noiseCutLevel, bool afterTest);
// the progress bar after `ticks` of the 30 ticks;
void DrawProgress(QPainter& painter, RecordingQuality quality, int ticks);
// the dark red reference lines at full scale and at silence;
void DrawReferenceLines(QPainter& painter, RecordingQuality quality, double width);
// the recording's samples as black vertical lines from silence.
void DrawTestWaveform(QPainter& painter, RecordingQuality quality, const QByteArray& data);

// The loudest sample of the last `milliseconds` of a recording at the
// quality, as a share of full scale (0 to 1).
double PeakOfLast(const QByteArray& samples, RecordingQuality quality, int milliseconds);
