#pragma once

#include <compare>
#include <cstdint>
#include <optional>

// Points of a scored shout: the peak and the integral each 0 to 1000, their
// sum at most 2000. Records and the score table hold them in 16 bits.
struct Points {
    int64_t Value = 0;

    auto operator<=>(const Points&) const = default;
    Points operator+(Points other) const { return Points{Value + other.Value}; }

    // The 16-bit field; nothing for a value it cannot hold, which a scored
    // recording never has.
    std::optional<int16_t> ToInt16() const
    {
        if (Value < INT16_MIN || Value > INT16_MAX)
            return std::nullopt;
        return static_cast<int16_t>(Value);
    }
};
