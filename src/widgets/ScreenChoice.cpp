#include "widgets/ScreenChoice.h"

#include <QScreen>

QScreen* ScreenNamed(const QList<QScreen*>& screens, const QString& name, QScreen* operatorScreen)
{
    if (name.isEmpty())
        return operatorScreen;
    for (QScreen* screen : screens) {
        if (screen->name() == name)
            return screen;
    }
    return operatorScreen;
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
