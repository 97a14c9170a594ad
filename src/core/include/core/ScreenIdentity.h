#pragma once

#include <QList>
#include <QRect>
#include <QString>

// What names a screen. The system's name depends on the session: one monitor
// is "HDMI-A-1" under Wayland and "XWAYLAND1" under XWayland, or "HDMI-1"
// under X11; the monitor's own manufacturer, model and serial number stay
// where the session reports them (XWayland reports none). Its place and size
// in the desktop's layout stay as long as the desk is arranged the same.
// Each part is empty where the system does not report it (or, for the
// geometry, where it was not kept).
struct ScreenIdentity {
    QString Name;
    QString Manufacturer;
    QString Model;
    QString SerialNumber;
    QRect Geometry;
};

// How a chosen screen was found among the connected ones.
enum class ScreenMatchedBy { Nothing, Name, Monitor, Place };

struct ScreenMatch {
    // Into the connected screens; -1 with Nothing.
    qsizetype Index = -1;
    ScreenMatchedBy By = ScreenMatchedBy::Nothing;
};

// Which of the `connected` screens `chosen` names, tried in this order: the
// one with its name; the first of the same manufacturer and model whose
// serial number does not differ (the same monitor in a session that names it
// otherwise); the first at the same place with the same size that is not
// known to be another monitor (a session that reports no monitor, as
// XWayland). Nothing when none does or nothing is chosen.
ScreenMatch MatchingScreen(const QList<ScreenIdentity>& connected, const ScreenIdentity& chosen);
