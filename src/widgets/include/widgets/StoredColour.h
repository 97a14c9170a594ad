#pragma once

#include <QColor>
#include <cstdint>

// Colours are stored as red + 256 × green + 65536 × blue.
inline QColor FromStoredColour(int32_t stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

inline int32_t ToStoredColour(const QColor& colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}
