#pragma once

#include <QString>

// A yes/no value stored as the text "True" or "False" (the font styles of
// the screen settings). Any other text reads as no.
bool IsTrueText(const QString& text);
bool IsBooleanText(const QString& text);
QString BooleanText(bool value);
