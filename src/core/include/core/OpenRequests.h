#pragma once

#include <cstdint>

// How the score sheet output and the score monitor are asked to open: from
// the menu, or by the result display for the entrant just stored, whose
// number the request carries. The mode keeps the values the settings and help
// texts speak of.
constexpr int16_t OpenedFromMenu = 0;
constexpr int16_t OpenedAfterMeasurement = -1;

struct ScoreSheetRequest {
    int16_t OpenMode = OpenedFromMenu;
    // The entrant whose sheet is printed at once when opened after a measurement.
    int16_t EntryNo = 0;
};

struct ScoreMonitorRequest {
    int16_t OpenMode = OpenedFromMenu;
    // The entrant shown first when opened after a measurement.
    int16_t EntryNo = 0;
};
