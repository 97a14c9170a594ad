#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>

class ContestState;
class QScreen;

// A frameless window that covers a whole screen for the audience: the screen
// chosen for them ("表示先" in the screen settings, kept in ZUVELO.INI), or
// the menu's screen when none is chosen or the chosen one is not connected.
// It asks the system for full screen on that screen rather than placing
// itself: a Wayland compositor ignores positions, and would otherwise keep it
// on a screen of its own choice under its top bar.
// Each time it opens it covers its screen first and then runs its own
// loading; when its screen is unplugged while it shows, it goes full screen
// on the menu's screen and lays itself out again, the contest going on where
// it stood, and when the chosen screen is plugged in again it returns there.
// It takes the keyboard when it opens, whatever screen the mouse is on.
class FullScreenWindow : public QDialog {
    Q_OBJECT
public:
    // The size of the screen the window covers, in its pixels.
    int ScreenWidth() const { return CoveredWidth; }
    int ScreenHeight() const { return CoveredHeight; }

protected:
    FullScreenWindow(const ContestState& context, QWidget* parent);

    // Runs each time the window opens, once it covers its screen.
    virtual void LoadOnOpen() = 0;
    // Runs after the window moved to another screen while it showed: lays it
    // out for the new size without touching what it shows.
    virtual void LayOutForScreen() = 0;

    // Covers the screen before the window first shows, so that it opens there.
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Follows the full-screen state the window system confirms.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The screen of the menu, or of whichever window of the operator this one
    // was opened from.
    QScreen* OperatorScreen() const;
    void Cover(QScreen* screen);
    void AskFullScreen();
    void ContinueMove();
    void LeaveScreen(QScreen* removed);
    void ReturnToChosenScreen();

    const ContestState& Options;
    int CoveredWidth = 0;
    int CoveredHeight = 0;
    // The screen the window covers, or was last asked to.
    QPointer<QScreen> Covered;
    // Full screen as the window system last confirmed it, and whether the
    // request for the covered screen waits for it to confirm leaving.
    bool ConfirmedFullScreen = false;
    bool AwaitingLeave = false;
    // Asks for the covered screen anyway when no confirmation comes: the
    // compositor had not granted full screen, so there was nothing to leave.
    QTimer LeaveDeadline;
};
