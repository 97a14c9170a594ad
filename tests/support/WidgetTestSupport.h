#pragma once

#include "core/SettingsStore.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

// One application object for all window tests of a test program.
inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

// A program folder as a completed installation leaves it: factory settings
// and no pending setup request.
template <class Folder>
void WriteInstalledFolder(Folder& folder)
{
    folder.Write(QStringLiteral("SKANRI.REC"), "#FALSE#\r\n#FALSE#\r\n");
    ResetToFactorySettings(folder.Context);
}

// A mouse press where the operator would click: on the child under `point`
// of `window` (as the window system finds it), or on the window itself.
inline void ClickAt(QWidget* window, QPoint point, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* target = window->childAt(point);
    if (!target)
        target = window;
    const QPointF local = target->mapFrom(window, QPointF(point));
    QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

inline void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    ClickAt(widget->window(), widget->mapTo(widget->window(), widget->rect().center()), button);
}

// Handles events until `done` answers true, for at most `milliseconds`;
// answers `done`.
inline bool HandleEventsUntil(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}
