#pragma once

#include <vector>

// The gauge of the measurement screen: -1 (reset) or 0 shows it all green,
// 1 to 99 the elapsed percentage in red, 100 all red.
enum GaugeStyle { BarGauge = 0, CircleGauge = 1 };

// Remembers the value last asked for, so that asking for the same value again
// draws nothing. Values outside -1 to 100 are remembered but draw nothing.
class GaugeMemory {
public:
    // True when `value` must be drawn now.
    bool Accept(int value);
    // As when the screen opens.
    void Restart() { LastValue = 0; }
    int Last() const { return LastValue; }

private:
    int LastValue = 0;
};

// The right edge of the red bar in the gauge box's own units (0–1000).
double BarRedExtent(int value);

// A pie sector from `Start` counter-clockwise to `End`, in radians counted
// counter-clockwise from the 3 o'clock direction.
struct GaugeSector {
    double Start;
    double End;
};

// For 1 to 99: the green sectors drawn over a red disc, leaving red a sector
// that starts at 12 o'clock and grows clockwise with the percentage.
std::vector<GaugeSector> GreenSectors(int value);
