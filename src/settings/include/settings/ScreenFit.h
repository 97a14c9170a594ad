#pragma once

#include <QObject>
#include <QSize>

class QScrollArea;
class QWidget;

// Keeps a window that sizes itself to its controls (a top layout with
// QLayout::SetFixedSize) within the free area of its screen (FreeArea).
// While it fits, it is left exactly as it is. Once it does not, its controls
// move into a scroll area and the window opens maximized, so that the
// window system gives it the free area it knows; where nothing maximizes it,
// the window takes their size, limited to the free area (a maximum, not a
// fixed size), placed within it, and goes on following their size as they
// grow or shrink.
class ScreenFit : public QObject {
public:
    explicit ScreenFit(QWidget* window);

    // Measures the window against its screen now; for when it is shown.
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveIntoScrollArea();
    // The window manager's frame around the window.
    QSize FrameExtent() const;
    // The room for the window within its frame.
    QSize ClientRoom() const;
    void PlaceWithinScreen();

    QWidget* Window;
    QScrollArea* Scroller = nullptr;
    bool FitPending = false;
};
