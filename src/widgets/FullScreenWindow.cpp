#include "widgets/FullScreenWindow.h"

#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {

// Qt on Wayland sends a state request only where it differs from the state
// the compositor last confirmed: leaving full screen and asking for it again
// at once sends the leaving alone, and the window ends up a plain one. The
// confirmation reaches the window later than Qt takes it into account, so
// what the window last heard may already be out of date.
bool RequestsGoByConfirmedState()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

constexpr int LeaveDeadlineMs = 1000;

}

FullScreenWindow::FullScreenWindow(const ContestState& context, QWidget* parent) : QDialog(parent), Options(context)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    connect(qApp, &QGuiApplication::screenRemoved, this, &FullScreenWindow::LeaveScreen);
    connect(qApp, &QGuiApplication::screenAdded, this, &FullScreenWindow::ReturnToChosenScreen);
    LeaveDeadline.setSingleShot(true);
    LeaveDeadline.setInterval(LeaveDeadlineMs);
    connect(&LeaveDeadline, &QTimer::timeout, this, [this] {
        AwaitingLeave = false;
        AskFullScreen();
    });
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
    windowHandle()->installEventFilter(this);
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

void FullScreenWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // A window shown again is a new one to the window system.
    ConfirmedFullScreen = false;
    AwaitingLeave = false;
    LeaveDeadline.stop();
}

bool FullScreenWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        ConfirmedFullScreen = windowHandle()->windowStates() & Qt::WindowFullScreen;
        // A Wayland compositor applies a granted state with the window's next
        // picture, which Qt 6.4 draws only when the size changed.
        update();
        // Once the widget has taken the confirmed state as its own.
        if (AwaitingLeave)
            QMetaObject::invokeMethod(this, &FullScreenWindow::ContinueMove, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void FullScreenWindow::Cover(QScreen* screen)
{
    Covered = screen;
    const QRect area = screen->geometry();
    CoveredWidth = area.width();
    CoveredHeight = area.height();
    // Leaving full screen first makes a shown window ask for it again on the
    // new screen; the geometry places it where the system has no window
    // manager to grant full screen (a bare X server).
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setScreen(screen);
    // A shown Wayland window takes its size from the compositor alone: drawn
    // at the new screen's size while still full screen on a smaller one, it
    // breaks the protocol and the compositor cuts the program off.
    if (isVisible() && RequestsGoByConfirmedState()) {
        AwaitingLeave = true;
        LeaveDeadline.start();
        return;
    }
    setGeometry(area);
    AskFullScreen();
}

void FullScreenWindow::ContinueMove()
{
    if (!AwaitingLeave)
        return;
    // Full screen granted before the leaving was asked, or the leaving not
    // sent because Qt had not yet taken that grant into account: ask again.
    if (ConfirmedFullScreen) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        LeaveDeadline.start();
        return;
    }
    AwaitingLeave = false;
    LeaveDeadline.stop();
    AskFullScreen();
}

void FullScreenWindow::AskFullScreen()
{
    // The compositor may have shown the window on another output meanwhile.
    if (Covered)
        setScreen(Covered);
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void FullScreenWindow::LeaveScreen(QScreen* removed)
{
    if (!isVisible())
        return;
    // The screen asked for, not the one the compositor may already have
    // moved the window to.
    QScreen* next = ScreenAfterRemoval(QGuiApplication::screens(), Covered ? Covered.data() : screen(), removed,
                                       OperatorScreen());
    if (!next)
        return;
    Cover(next);
    LayOutForScreen();
}

void FullScreenWindow::ReturnToChosenScreen()
{
    if (!isVisible())
        return;
    QScreen* chosen = ChosenScreen(QGuiApplication::screens(), LoadProgramOptions(Options).AudienceScreen, nullptr);
    if (!chosen || chosen == Covered)
        return;
    Cover(chosen);
    LayOutForScreen();
}
