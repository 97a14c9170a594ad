#pragma once

#include <QString>

// A name or a group (所属) in the list of entrants: one line of printable
// text, as the ranking board, the sheets and the exports can show it.

// Names and groups are at most this many characters as a person counts them.
constexpr int MaxEntrantTextLength = 40;

// Characters as a person sees them (grapheme clusters): 𠮷, "か" with a
// combining "゛" and a flag of two regional letters count one each.
int CharacterCount(const QString& text);

// The text as the list keeps it: line breaks (a spreadsheet cell's
// Alt+Enter) and tabs become a space, other control characters and the
// bidirectional embeddings, overrides and isolates, which would turn the
// text around on the board, are dropped; blanks at either end are trimmed.
QString OneLineEntrantText(const QString& text);
