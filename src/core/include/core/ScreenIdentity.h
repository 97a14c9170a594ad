#pragma once

#include <QList>
#include <QString>

// What names a screen. The system's name depends on the session: one monitor
// is "HDMI-A-1" under Wayland and "XWAYLAND1" under XWayland, or "HDMI-1"
// under X11; the monitor's own manufacturer, model and serial number stay.
// Each part is empty where the system does not report it.
struct ScreenIdentity {
    QString Name;
    QString Manufacturer;
    QString Model;
    QString SerialNumber;
};

// Which of the `connected` screens `chosen` names: the one with its name,
// else the first of the same manufacturer and model whose serial number does
// not differ (the same monitor in a session that names it otherwise); -1 when
// none does or nothing is chosen.
qsizetype MatchingScreen(const QList<ScreenIdentity>& connected, const ScreenIdentity& chosen);
