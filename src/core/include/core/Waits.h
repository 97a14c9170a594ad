#pragma once

#include "core/WaitClock.h"

#include <cstdint>
#include <functional>

// Waits that keep the user interface alive: pending events are handled while
// the thread sleeps until the next event or the end of the wait, so a wait
// never keeps a processor core busy. After each round of events the wait
// asks `abandoned`, when given, and ends at once with false once it is true;
// otherwise it answers true when the time has passed.

// Returns once `clock` has advanced by more than `n` milliseconds.
bool WaitMilliseconds(int16_t n, WaitClock& clock = SystemClock(), const std::function<bool()>& abandoned = {});

// Waits until the time of day reaches its start, rounded to the nearest
// second, plus `n` seconds, counting across midnight: between n − 0.5 and
// n + 0.5 seconds, never longer by the monotonic clock.
bool WaitSeconds(int16_t n, WaitClock& clock = SystemClock(), const std::function<bool()>& abandoned = {});

// How long WaitSeconds(n) started at `secondsSinceMidnight` lasts, to the
// nearest millisecond: for a run that waits on a timer.
int SecondsWaitMs(int n, double secondsSinceMidnight);
