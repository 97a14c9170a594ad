#pragma once

#include <QRect>
#include <QSize>

class QScreen;

// The part of a screen an operator's window may take, free of the desktop's
// panels. X11 window managers report their panels; a Wayland compositor
// reports none (Qt gives the whole output as free) yet draws its own, so
// there the area keeps room for a panel along the top or the bottom.

// Room kept on Wayland: the highest panel of the common compositors (weston's
// and GNOME's top bar 32 px, KDE's panel 44 px), with a margin.
constexpr int UnreportedPanelRoom = 48;

// The frame of a window before it is first shown, when the window manager
// has not told it yet: a title bar as high as the common ones, at most.
constexpr QSize UnknownFrame(0, 40);

// `available` as the system reports it within the `whole` screen; when the
// system reports no panel where it may have one, less UnreportedPanelRoom
// in height.
QRect FreeAreaOf(QRect available, QRect whole, bool panelsUnreported);

// Whether the program runs where the panels go unreported (Wayland). There
// the compositor also holds a maximized window to exactly the size it gives.
bool PanelsUnreported();

// The free area of `screen` on the platform the program runs on.
QRect FreeArea(const QScreen& screen);

// Whether a window `outer` (its frame included) fits within `free`. One that
// does not opens maximized, so that the compositor or window manager gives it
// the free area it knows.
bool FitsFreeArea(QSize outer, QRect free);
