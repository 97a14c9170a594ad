#pragma once

#include "core/RecordingQuality.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The levels of a recording as a sound level meter gives them, in dB relative
// to a sine at the recording's full scale: a full-scale sine of 1 kHz reads
// 0 dB as LAF and LAeq and +3.0 dB as LCpeak. A calibration's offset turns
// them into sound pressure levels.
struct SoundLevels {
    // The maximum of the A-weighted level with the time weighting F (125 ms).
    double LAFmax = 0;
    // The C-weighted peak level: the highest sample, so at high frequencies
    // up to a little below the true peak between two samples.
    double LCpeak = 0;
    // The A-weighted, C-weighted and unweighted levels averaged over the whole
    // recording (the last two for calibrating against a meter).
    double LAeq = 0;
    double LCeq = 0;
    double LZeq = 0;
    // A sample at full scale: the true levels may be higher.
    bool Clipped = false;
};

// The level that stands for no sound at all: digital silence reads this
// rather than minus infinity.
constexpr double SilenceDb = -200.0;

struct SoundAnalysis {
    SoundLevels Levels;
    // The A-weighted level with the time weighting F at the end of each
    // eighth of a second, as a meter's display follows it.
    std::vector<double> FastLevels;
};

int SampleRateOf(RecordingQuality quality);

// The sound of a recording's samples (its data bytes, without the header)
// made at `quality`.
SoundAnalysis AnalyseSound(const QByteArray& samples, RecordingQuality quality);

// The sound of the entrant's recording at `path`, made at `quality`; nothing
// when ReadRecordingSamples reads none.
std::optional<SoundAnalysis> MeasureRecordingLevels(const QString& path, RecordingQuality quality);
