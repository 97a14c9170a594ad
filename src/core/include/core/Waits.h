#pragma once

#include <cstdint>
#include <functional>

// Waits that keep the user interface alive: pending events are handled while
// the thread sleeps until the next event or the end of the wait, so a wait
// never keeps a processor core busy.

// Returns once the millisecond clock has advanced by more than `n`.
void WaitMilliseconds(int16_t n);

// The time of day in seconds since midnight, with fractions.
double SecondsSinceMidnight();

// Waits until the time of day reaches its start, rounded to the nearest
// second, plus `n` seconds, counting across midnight: between n − 0.5 and
// n + 0.5 seconds. `timeOfDay` stands in for the clock in tests.
void WaitSeconds(int16_t n, const std::function<double()>& timeOfDay = SecondsSinceMidnight);
