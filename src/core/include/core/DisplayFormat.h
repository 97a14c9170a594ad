#pragma once

#include <QString>
#include <cstdint>

// A number as shown to the operator: one leading blank in place of a plus
// sign, "-" for negative values (" 123", "-5").
QString FormatNumber(int64_t value);

// The right-aligned number cell of the lists: the formatted number with blanks
// put in front, keeping the rightmost `width` characters.
QString NumberCell(int64_t value, int width);

// A sound level to 0.1 dB: "112.3"; "≥112.3" when the recording touched
// full scale and the true level may be higher.
QString SoundLevelFigure(double db, bool clipped);
// The same with its unit: "112.3 dB(A)".
QString SoundLevelText(double db, bool clipped);
