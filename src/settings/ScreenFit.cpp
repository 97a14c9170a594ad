#include "settings/ScreenFit.h"

#include "widgets/FreeArea.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace {

// The window that shows `content` scrolled within `room`: the content's own
// size where it fits, the room where it does not, plus a scroll bar's
// `barExtent` across each direction that scrolls.
QSize ScrolledWindowSize(QSize content, QSize room, int barExtent)
{
    // A bar across one direction takes room from the other, which may then
    // have to scroll too.
    bool scrollsSideways = content.width() > room.width();
    bool scrollsDown = content.height() > room.height();
    scrollsDown = scrollsDown || (scrollsSideways && content.height() + barExtent > room.height());
    scrollsSideways = scrollsSideways || (scrollsDown && content.width() + barExtent > room.width());
    return QSize(std::min(content.width() + (scrollsDown ? barExtent : 0), room.width()),
                 std::min(content.height() + (scrollsSideways ? barExtent : 0), room.height()));
}

}

ScreenFit::ScreenFit(QWidget* window) : QObject(window), Window(window)
{
    Window->installEventFilter(this);
}

void ScreenFit::Fit()
{
    FitPending = false;
    QWidget* content = Scroller ? Scroller->widget() : Window;
    if (QLayout* layout = content->layout())
        layout->activate();
    const QSize room = ClientRoom();
    bool firstMiss = false;
    if (!Scroller) {
        const bool fits = Window->width() <= room.width() && Window->height() <= room.height();
        if (fits || !Window->layout())
            return;
        MoveIntoScrollArea();
        content = Scroller->widget();
        content->layout()->activate();
        firstMiss = true;
    } else if (Window->isMaximized()) {
        // The window system sizes it now.
        return;
    }
    const int bar = Window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Scroller);
    Window->setMaximumSize(room);
    Window->resize(ScrolledWindowSize(content->size(), room, bar));
    PlaceWithinScreen();
    // The size above is the program's guess at the free area, for a system
    // that maximizes nothing (an X server without a window manager); a
    // compositor, which alone knows its panels, gives a maximized window the
    // free area itself.
    if (firstMiss) {
        // A size beyond the cap of this guess would break a Wayland
        // compositor's protocol, which cuts the program off.
        if (PanelsUnreported())
            Window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        Window->setWindowState(Window->windowState() | Qt::WindowMaximized);
    }
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    // The controls' layout resizes them as they change, from within its own
    // work: the fit waits until that is done.
    if (event->type() == QEvent::Resize && Window->isVisible() && !FitPending) {
        FitPending = true;
        QMetaObject::invokeMethod(this, &ScreenFit::Fit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void ScreenFit::MoveIntoScrollArea()
{
    QLayout* layout = Window->layout();
    // The margins it has in a window, not those of a child widget.
    layout->setContentsMargins(layout->contentsMargins());
    auto* controls = new QWidget;
    // Takes the layout along with every control in it.
    controls->setLayout(layout);
    Scroller = new QScrollArea(Window);
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setWidget(controls);
    // From now on the controls' size drives the window, not the other way.
    Window->removeEventFilter(this);
    controls->installEventFilter(this);
    // Drops the fixed size the controls' layout gave the window.
    Window->setMinimumSize(0, 0);
    auto* frame = new QVBoxLayout(Window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(Scroller);
    Scroller->show();
}

QSize ScreenFit::FrameExtent() const
{
    const QSize frame = Window->frameGeometry().size() - Window->size();
    return frame.height() > 0 ? frame : UnknownFrame;
}

QSize ScreenFit::ClientRoom() const
{
    return FreeArea(*Window->screen()).size() - FrameExtent();
}

void ScreenFit::PlaceWithinScreen()
{
    const QRect free = FreeArea(*Window->screen());
    const QPoint at = Window->frameGeometry().topLeft();
    const QSize outer = Window->size() + FrameExtent();
    const int x = std::max(free.left(), std::min(at.x(), free.right() + 1 - outer.width()));
    const int y = std::max(free.top(), std::min(at.y(), free.bottom() + 1 - outer.height()));
    if (QPoint(x, y) == at)
        return;
    Window->move(x, y);
    // Not a place of the operator's choosing: the next opening places the
    // window anew.
    Window->setAttribute(Qt::WA_Moved, false);
}
