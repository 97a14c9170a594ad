#pragma once

#include <array>

// The A and C frequency weightings of sound level meters as digital filters
// at a recording's sample rate, normalised to 0 dB at 1 kHz.
//
// Both weightings share the poles at 20.6 Hz and 12.2 kHz, so one chain
// serves both: the C-weighted signal comes out of its first four sections and
// the A-weighted one out of two more. The low-frequency poles go through the
// bilinear transform, accurate far below the Nyquist frequency. Of the double
// pole at 12.2 kHz one goes through the bilinear transform, which attenuates
// too much towards the Nyquist frequency, and one through the matched z
// transform, which attenuates too little: together within 0.1 dB of the
// weightings up to 10 kHz at 48 kHz, and within 0.2 dB up to 5 kHz at 16 kHz.
// First-order sections keep the poles near 1 exact in single precision.

// y[n] = B0 x[n] + B1 x[n-1] - A1 y[n-1]
struct FirstOrderSection {
    double B0 = 1, B1 = 0, A1 = 0;
};

struct WeightingFilters {
    // The C weighting, its gain at 1 kHz folded into the first section.
    std::array<FirstOrderSection, 4> C;
    // Applied to the C-weighted signal, give the A weighting.
    std::array<FirstOrderSection, 2> AfterC;
};

WeightingFilters DesignWeightingFilters(double sampleRate);

// The gain of the filters in dB at `frequency`, as designed.
double CWeightingDb(const WeightingFilters& filters, double sampleRate, double frequency);
double AWeightingDb(const WeightingFilters& filters, double sampleRate, double frequency);
