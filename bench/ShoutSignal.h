#pragma once

#include <QByteArray>
#include <cmath>
#include <cstdint>

// The samples of a loud shout-like signal: a 440 Hz tone whose loudness
// swells and fades once a second, 8-bit unsigned or 16-bit signed.
inline QByteArray ShoutSamples(uint32_t rate, uint16_t bits, uint32_t samples)
{
    QByteArray data;
    data.reserve(qsizetype(samples) * (bits / 8));
    for (uint32_t i = 0; i < samples; ++i) {
        const double envelope = std::fabs(std::sin(i * 3.14159 / rate));
        const double value = envelope * std::sin(i * 2 * 3.14159 * 440 / rate);
        if (bits == 8) {
            data.append(static_cast<char>(128 + std::lround(value * 127)));
        } else {
            const auto word = static_cast<uint16_t>(static_cast<int16_t>(std::lround(value * 32767)));
            data.append(static_cast<char>(word & 0xFF));
            data.append(static_cast<char>(word >> 8));
        }
    }
    return data;
}
