#pragma once

#include "core/EntrantLevels.h"
#include "core/ProgramOptions.h"

// A calibration whose levels are shown, stated at 50 cm from the mouth, and a
// level for each of the entrants 1 to `count`, every fifth one clipped.
inline void StoreShownLevels(const ContestState& context, int count)
{
    ProgramOptions options = LoadProgramOptions(context);
    options.Level.OffsetDb = 101.5;
    options.Level.DistanceCm = 50;
    SaveProgramOptions(context, options);
    for (int n = 1; n <= count; ++n) {
        const double laFmax = 96.0 + (n * 37 % 200) / 10.0;
        StoreEntrantLevel(context, n, {laFmax, laFmax + 12.4, laFmax - 7.9, n % 5 == 0, options.Level.OffsetDb.value(), 50});
    }
}
