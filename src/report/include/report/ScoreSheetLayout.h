#pragma once

#include "core/LevelCalibration.h"

#include "core/RecordingQuality.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What one score sheet shows, and where its texts stand on the page. Page
// units: 2100 across and 2970 down an A4 portrait page (0.1 mm), origin at
// the top left; a text is placed by its top-left corner.

constexpr int PageWidth = 2100;
constexpr int PageHeight = 2970;
constexpr int GraphTopOfSheet = 1450;

// One entrant's sheet: the entrant's log record and the settings in force.
struct ScoreSheet {
    int EntryNo = 0;
    // From the list of entrants; empty when none is registered.
    QString Name;
    QString Group;
    QString Title;
    // The measurement time setting in whole seconds: the printed time and the
    // time axis of the graph.
    int MeasureSeconds = 0;
    QString MeasuredAt;
    int TotalPoints = 0;
    int MaxPoints = 0;
    int IntegPoints = 0;
    RecordingQuality Quality = RecordingQuality::Normal;
    int NoiseCutLevel = 0;
    // Signed sample levels of the recording (8-bit samples less 128).
    std::vector<int16_t> Levels;
    // The entrant's sound levels, while levels are shown and it has them.
    std::optional<EntrantLevel> SoundLevel;
};

enum class SheetFace { Gothic, ProportionalGothic };

struct SheetText {
    int X = 0;
    int Y = 0;
    SheetFace Face = SheetFace::Gothic;
    int Points = 12;
    QString Text;
};

// The heading, the entrant's name and group (under the heading, when
// registered), the entrant's lines, the notes and the quality line.
std::vector<SheetText> ScoreSheetTexts(const ScoreSheet& sheet);

// The marks, axis titles and time labels of the graph whose frame's top edge
// stands at `graphTop`.
std::vector<SheetText> ScoreGraphTexts(int graphTop, int measureSeconds);

// "0.3" for tick 1 of 10 of a 3-second measurement.
QString TimeAxisLabel(int measureSeconds, int tick);

// "(計測音質 : PCM 48KHz 16BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 10%以下をｶｯﾄ)"; empty for an
// unknown quality.
QString QualityLine(RecordingQuality quality, int noiseCutLevel);

// Page units per sample level: a full-scale sample reaches 400 units from
// the zero line.
double GraphLevelScale(RecordingQuality quality);
