#include "widgets/HeldKeyGuard.h"

#include <QKeyEvent>
#include <QWidget>

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
    // The shortcut check comes before the key press: held keys must not
    // trigger a shortcut of another window either.
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) ||
        !watched->isWidgetType())
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (type != QEvent::KeyRelease)
            KeyWindow = window;
        return false;
    }
    if (window == KeyWindow)
        return false;
    // Accepted, a shortcut override keeps the shortcut from firing.
    event->accept();
    return true;
}
