#pragma once

class QWidget;

// The window a dialog or message box opened now belongs to, its transient
// parent. A Wayland compositor places a window without one on the output
// under the pointer, which after a click on the audience screen is the
// projector's, and GNOME's places one with an owner over its owner. The owner
// is `active`, the window the operator works in, unless there is none (the
// compositor activated nothing after a window for the audience closed) or it
// is a window for the audience on another screen than `operatorWindow`'s:
// then the operator's window (the menu; null before there is one).
QWidget* DialogOwner(QWidget* active, QWidget* operatorWindow);
