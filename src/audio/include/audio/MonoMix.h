#pragma once

#include <QByteArray>

// Interleaved 16-bit signed frames of `channels` channels, averaged to one
// channel (rounded to the nearest) and written as samples of `bitsPerSample`:
// 8-bit unsigned (the upper byte, offset by 128) or 16-bit signed
// little-endian. A trailing partial frame is ignored. Averaging in the program
// gives the same samples on every sound server: their own mixing differs (one
// averages, another adds the channels at -3 dB).
QByteArray MixToMono(const QByteArray& frames, int channels, int bitsPerSample);
