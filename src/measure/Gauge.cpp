#include "measure/Gauge.h"

namespace {

// π to six decimals. The screen turns the sectors back into angles with the
// same value, so an edge at 12 o'clock stays exactly there.
constexpr double Pi = 3.141592;

}

bool GaugeMemory::Accept(int value)
{
    if (value == LastValue)
        return false;
    LastValue = value;
    return value >= -1 && value <= 100;
}

double BarRedExtent(int value)
{
    return value / 100.0 * 1000 + 1;
}

std::vector<GaugeSector> GreenSectors(int value)
{
    if (value > 24)
        return {{Pi / 2, (2.5 - value / 50.0) * Pi}};
    // The sector would cross the 3 o'clock direction: split it there.
    return {{0.001, (25 - value) * Pi / 50}, {Pi / 2, 2 * Pi}};
}
