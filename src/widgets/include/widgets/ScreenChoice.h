#pragma once

#include "core/ScreenIdentity.h"

#include <QList>
#include <QString>

class QScreen;

// Which of the connected screens a window for the audience covers. Both
// choose among `screens` as the system lists them now (the primary first).

// How the system names `screen` now.
ScreenIdentity IdentityOf(const QScreen& screen);

// How `chosen` is found among `screens` (by the core's MatchingScreen).
ScreenMatch MatchingScreen(const QList<QScreen*>& screens, const ScreenIdentity& chosen);

// The screen `chosen` names (by MatchingScreen); `operatorScreen` when
// nothing is chosen or no connected screen matches (a projector not plugged
// in).
QScreen* ChosenScreen(const QList<QScreen*>& screens, const ScreenIdentity& chosen, QScreen* operatorScreen);

// Where a window shown on `shownOn` goes when the screen `removed` goes
// away: null (it stays) when that is another screen; otherwise the
// operator's screen, or the first screen left when the operator's is the one
// going away (null when none is left).
QScreen* ScreenAfterRemoval(const QList<QScreen*>& screens, QScreen* shownOn, QScreen* removed, QScreen* operatorScreen);
