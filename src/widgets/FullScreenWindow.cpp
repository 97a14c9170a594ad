#include "widgets/FullScreenWindow.h"

#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>

FullScreenWindow::FullScreenWindow(const ContestState& context, QWidget* parent) : QDialog(parent), Options(context)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    connect(qApp, &QGuiApplication::screenRemoved, this, &FullScreenWindow::LeaveScreen);
}

void FullScreenWindow::setVisible(bool visible)
{
    if (visible && !isVisible())
        Cover(ChosenScreen(QGuiApplication::screens(), LoadProgramOptions(Options).AudienceScreen, OperatorScreen()));
    QDialog::setVisible(visible);
}

void FullScreenWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    LoadOnOpen();
    // With a focus that follows the mouse, the keys would otherwise go to the
    // operator's screen.
    activateWindow();
}

QScreen* FullScreenWindow::OperatorScreen() const
{
    // Up the owners past the windows for the audience; a window made without
    // an owner was opened from the active one.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    while (owner && (owner == this || dynamic_cast<const FullScreenWindow*>(owner)))
        owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
    return owner ? owner->screen() : QGuiApplication::primaryScreen();
}

void FullScreenWindow::Cover(QScreen* screen)
{
    const QRect area = screen->geometry();
    ScreenWidth = area.width();
    ScreenHeight = area.height();
    // Leaving full screen first makes a shown window ask for it again on the
    // new screen; the geometry places it where the system has no window
    // manager to grant full screen (a bare X server).
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setScreen(screen);
    setGeometry(area);
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void FullScreenWindow::LeaveScreen(QScreen* removed)
{
    if (!isVisible())
        return;
    QScreen* next = ScreenAfterRemoval(QGuiApplication::screens(), screen(), removed, OperatorScreen());
    if (!next)
        return;
    Cover(next);
    LayOutForScreen();
}
