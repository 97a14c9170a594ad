#pragma once

#include <array>
#include <cstdint>

constexpr int MaxEntrants = 3000;

// The contest values shared between windows for the whole run.
struct ContestValues {
    // Total points by entry number of the entrants found by the last log scan
    // (index 0 unused).
    std::array<int16_t, MaxEntrants + 1> ScoreTable{};
    bool LogHasEntries = false;
    bool SetupRequest = false;
    bool SetupCompanion = false;
    // The number the next entrant gets, 1 to 3000 (3001 when the log is full).
    int16_t EntryNo = 1;
};
