#pragma once

#include <QString>
#include <cstdint>

// A number as shown to the operator: one leading blank in place of a plus
// sign, "-" for negative values (" 123", "-5").
QString FormatNumber(int64_t value);

// The right-aligned number cell of the lists: the formatted number with blanks
// put in front, keeping the rightmost `width` characters.
QString NumberCell(int64_t value, int width);

// A sound level to 0.1 dB with its unit: "112.3 dB(A)"; "≥112.3 dB(A)" when
// the recording touched full scale and the true level may be higher.
QString SoundLevelText(double db, bool clipped);
// The figure right-aligned in a column `columns` half-width characters wide
// of fixed-pitch text: "≥" is as wide as two of them, and a figure without it
// leaves that room to a wide blank, so that what follows stays aligned.
QString SoundLevelColumn(double db, bool clipped, int columns);
