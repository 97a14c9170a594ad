#pragma once

#include <QString>
#include <vector>

// A QR code's modules, row by row, true for dark; Size 0 when the text could
// not be encoded.
struct QrCode {
    int Size = 0;
    std::vector<bool> Dark;

    bool IsDark(int x, int y) const { return Dark[size_t(y) * size_t(Size) + size_t(x)]; }
};

// The text as a QR code (libqrencode, 8-bit mode, error correction M).
QrCode EncodeQrCode(const QString& text);
