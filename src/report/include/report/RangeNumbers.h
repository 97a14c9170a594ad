#pragma once

#include "core/LeadingNumber.h"

#include <QString>
#include <cstdint>
#include <optional>

// Numbers typed into the range boxes.

// The entry number a range box holds: its leading number rounded to an
// integer, halves to the even neighbour. Nothing when it lies outside 16 bits.
std::optional<int16_t> RangeNumber(const QString& text);

// The start box after an end number was chosen from the end box's list: it
// follows the end number only when it would otherwise lie beyond it.
QString StartAfterEndChosen(const QString& startText, int chosenEnd);
