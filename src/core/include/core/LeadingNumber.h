#pragma once

#include <QString>

// The leading number of a text as the program's number boxes read it: blanks
// skipped, an optional sign, digits with an optional fraction and exponent;
// anything after is ignored, and a text that starts with no number reads as 0
// ("12ab" is 12, "ab" and "" are 0). A number too large for a double reads as
// infinity, so that range checks refuse it.
double LeadingNumber(const QString& text);
