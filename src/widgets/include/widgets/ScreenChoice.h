#pragma once

#include <QList>
#include <QString>

class QScreen;

// Which of the connected screens a window for the audience covers. Both
// choose among `screens` as the system lists them now (the primary first).

// The screen the system calls `name`; `operatorScreen` when `name` is empty
// or no connected screen carries it (a projector not plugged in).
QScreen* ScreenNamed(const QList<QScreen*>& screens, const QString& name, QScreen* operatorScreen);

// Where a window shown on `shownOn` goes when the screen `removed` goes
// away: null (it stays) when that is another screen; otherwise the
// operator's screen, or the first screen left when the operator's is the one
// going away (null when none is left).
QScreen* ScreenAfterRemoval(const QList<QScreen*>& screens, QScreen* shownOn, QScreen* removed, QScreen* operatorScreen);
