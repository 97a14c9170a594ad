#pragma once

#include "core/LevelCalibration.h"

#include <QString>
#include <map>
#include <optional>
#include <variant>

class ContestState;

// "soundlevels.csv" in the contest folder: the sound levels of the entrants
// measured under a calibration, a line each in the order they were stored,
// kept beside the measurement log and cleared with it:
//   entry,laFmax,lcPeak,laEq,clipped,offsetDb,distanceCm
//   12,112.3,125.0,104.2,0,101.50,50
// An entrant's line is written before its record of the log, so a store cut
// short leaves at most a line for an entry number the log holds no entrant
// for, which the entrant measured next under that number replaces: the last
// line of a number counts. A last line cut short is such a line.

struct EntrantLevelsDamaged {
    QString Path;
    // The first line that is not a level (1 is the header's), 0 for a file
    // too large to be this program's.
    int Line = 0;
};

struct EntrantLevelNotWritten {
    QString Path;
};

using EntrantLevels = std::map<int, EntrantLevel>;

// The levels by entry number; none for a missing file.
std::variant<EntrantLevels, EntrantLevelsDamaged> ReadEntrantLevels(const ContestState& context);

// The levels as the windows, sheets, exports and the hall's page show them:
// nothing while there is no calibration or [Level] Show is off.
std::optional<std::variant<EntrantLevels, EntrantLevelsDamaged>> ReadShownLevels(const ContestState& context);

// Adds the level of the entrant about to be stored as `entryNo`, on the disk
// when this returns nothing.
std::optional<EntrantLevelNotWritten> StoreEntrantLevel(const ContestState& context, int entryNo, const EntrantLevel& level);

// Leaves the file with its header alone, as the log is cleared.
std::optional<EntrantLevelNotWritten> ClearEntrantLevels(const ContestState& context);
