#include "widgets/ScreenChoice.h"

#include <QScreen>

ScreenIdentity IdentityOf(const QScreen& screen)
{
    return {screen.name(), screen.manufacturer(), screen.model(), screen.serialNumber(), screen.geometry()};
}

ScreenMatch MatchingScreen(const QList<QScreen*>& screens, const ScreenIdentity& chosen)
{
    QList<ScreenIdentity> connected;
    for (const QScreen* screen : screens)
        connected << IdentityOf(*screen);
    return MatchingScreen(connected, chosen);
}

QScreen* ChosenScreen(const QList<QScreen*>& screens, const ScreenIdentity& chosen, QScreen* operatorScreen)
{
    const ScreenMatch match = MatchingScreen(screens, chosen);
    return match.Index < 0 ? operatorScreen : screens[match.Index];
}

QScreen* ScreenAfterRemoval(const QList<QScreen*>& screens, QScreen* shownOn, QScreen* removed, QScreen* operatorScreen)
{
    if (shownOn != removed)
        return nullptr;
    // While the system removes a screen it may still be listed.
    if (operatorScreen && operatorScreen != removed && screens.contains(operatorScreen))
        return operatorScreen;
    for (QScreen* screen : screens) {
        if (screen != removed)
            return screen;
    }
    return nullptr;
}
