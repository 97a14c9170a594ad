#pragma once

#include <QString>

// The rank of the entrant just measured and how it is announced.

// The sound slot announcing `rank` among `entrants`: top, booby, upper fifth,
// middle or lower ranks.
int RankSoundSlot(int rank, int entrants);

// "␣3位/␣25人中".
QString RankLabelText(int rank, int entrants);

// The result blink cycles through three colours; it ends at the third second.
int NextBlinkPhase(int phase);
constexpr int BlinkSeconds = 3;

// The result display closes itself after this many seconds without input,
// and takes clicks only from the second second on.
constexpr int ResultDisplaySeconds = 180;
constexpr int FirstClickSecond = 2;
