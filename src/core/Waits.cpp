#include "core/Waits.h"

#include <algorithm>
#include <cmath>

int SecondsWaitMs(int n, double secondsSinceMidnight)
{
    return static_cast<int>(std::max(0L, std::lround((std::round(secondsSinceMidnight) + n - secondsSinceMidnight) * 1000.0)));
}
