#pragma once

// How long a wait of `n` seconds started at `secondsSinceMidnight` lasts, to
// the nearest millisecond: until the time of day reaches its start, rounded
// to the nearest second, plus `n` seconds, counting across midnight; between
// n − 0.5 and n + 0.5 seconds. For a run that waits on a timer.
int SecondsWaitMs(int n, double secondsSinceMidnight);
