#include "core/FrequencyWeighting.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace {

// The poles of the weightings, in Hz.
constexpr double LowPole = 20.598997;
constexpr double SecondPole = 107.65265;
constexpr double ThirdPole = 737.86223;
constexpr double HighPole = 12194.217;

double Angular(double frequency)
{
    return 2 * std::numbers::pi * frequency;
}

// s / (s + w) through the bilinear transform.
FirstOrderSection HighPass(double pole, double sampleRate)
{
    const double k = 2 * sampleRate, w = Angular(pole);
    return {k / (k + w), -k / (k + w), -(k - w) / (k + w)};
}

// w / (s + w) through the bilinear transform.
FirstOrderSection LowPassBilinear(double pole, double sampleRate)
{
    const double k = 2 * sampleRate, w = Angular(pole);
    return {w / (k + w), w / (k + w), -(k - w) / (k + w)};
}

// w / (s + w) through the matched z transform, unity gain at 0 Hz.
FirstOrderSection LowPassMatched(double pole, double sampleRate)
{
    const double p = std::exp(-Angular(pole) / sampleRate);
    return {1 - p, 0, -p};
}

template <size_t N>
std::complex<double> Response(const std::array<FirstOrderSection, N>& sections, double sampleRate, double frequency)
{
    const std::complex<double> z1 = std::polar(1.0, -Angular(frequency) / sampleRate);
    std::complex<double> response = 1;
    for (const FirstOrderSection& section : sections)
        response *= (section.B0 + section.B1 * z1) / (1.0 + section.A1 * z1);
    return response;
}

template <size_t N>
void NormaliseAtOneKilohertz(std::array<FirstOrderSection, N>& sections, double sampleRate)
{
    const double gain = 1 / std::abs(Response(sections, sampleRate, 1000));
    sections[0].B0 *= gain;
    sections[0].B1 *= gain;
}

}

WeightingFilters DesignWeightingFilters(double sampleRate)
{
    WeightingFilters filters;
    filters.C = {HighPass(LowPole, sampleRate), HighPass(LowPole, sampleRate), LowPassBilinear(HighPole, sampleRate),
                 LowPassMatched(HighPole, sampleRate)};
    filters.AfterC = {HighPass(SecondPole, sampleRate), HighPass(ThirdPole, sampleRate)};
    NormaliseAtOneKilohertz(filters.C, sampleRate);
    NormaliseAtOneKilohertz(filters.AfterC, sampleRate);
    return filters;
}

double CWeightingDb(const WeightingFilters& filters, double sampleRate, double frequency)
{
    return 20 * std::log10(std::abs(Response(filters.C, sampleRate, frequency)));
}

double AWeightingDb(const WeightingFilters& filters, double sampleRate, double frequency)
{
    return CWeightingDb(filters, sampleRate, frequency) + 20 * std::log10(std::abs(Response(filters.AfterC, sampleRate, frequency)));
}
