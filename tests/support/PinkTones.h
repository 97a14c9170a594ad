#pragma once

#include "support/SoundServer.h"

#include <cmath>
#include <vector>

// A pink sound: equal power in each of 40 bands from 25 Hz to 10 kHz, a tone
// each, 0.3 of full scale in all. Returns its A-weighted level on the scale
// of a full-scale sine, from the weighting as the standard writes it down.
inline double WritePinkTones(const QString& path, int rate, double seconds)
{
    std::vector<double> frequencies;
    for (int i = 0; i < 40; ++i)
        frequencies.push_back(25 * std::pow(400.0, i / 39.0));
    const double amplitude = 0.3 / std::sqrt(static_cast<double>(frequencies.size()));
    std::vector<short> samples(static_cast<size_t>(seconds * rate));
    for (size_t n = 0; n < samples.size(); ++n) {
        double sum = 0;
        for (size_t k = 0; k < frequencies.size(); ++k)
            sum += amplitude * std::sin(2 * M_PI * frequencies[k] * double(n) / rate + double(k * k));
        samples[n] = static_cast<short>(std::lround(sum * 32767));
    }
    WriteSamples(path, rate, samples);
    const auto aWeighting = [](double f) {
        const double f2 = f * f;
        return f2 * f2 / ((f2 + std::pow(20.6, 2)) * std::sqrt((f2 + std::pow(107.7, 2)) * (f2 + std::pow(737.9, 2))) *
                          (f2 + std::pow(12194.0, 2)));
    };
    double power = 0;
    for (const double f : frequencies)
        power += amplitude * amplitude / 2 * std::pow(aWeighting(f) / aWeighting(1000), 2);
    return 10 * std::log10(power / 0.5);
}
