#pragma once

#include "core/LeadingNumber.h"

#include <QString>
#include <optional>

// What the operator types into the settings windows.

// The whole number a numeric box accepts from its text when it loses the
// focus: the leading number rounded half to even (2.5 gives 2, 3.5 gives 4);
// nothing when that lies outside low..high, and the box then restores its
// previous text.
std::optional<int> AcceptTypedNumber(const QString& text, int low, int high);

// The first character of a text that a settings file cannot hold: a double
// quote, or a character outside code page 932. Nothing when all can be stored.
std::optional<QString> UnstorableCharacter(const QString& text);

// The operator's message when such a character is refused.
QString UnstorableCharacterMessage(const QString& character);
