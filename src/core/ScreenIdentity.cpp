#include "core/ScreenIdentity.h"

namespace {

// One monitor seen in two sessions: a part that one session leaves empty
// (Wayland reports no serial number) does not tell two monitors apart.
bool SameMonitor(const ScreenIdentity& connected, const ScreenIdentity& chosen)
{
    const auto agree = [](const QString& a, const QString& b) { return a.isEmpty() || b.isEmpty() || a == b; };
    return !chosen.Model.isEmpty() && connected.Manufacturer == chosen.Manufacturer && connected.Model == chosen.Model &&
           agree(connected.SerialNumber, chosen.SerialNumber);
}

}

qsizetype MatchingScreen(const QList<ScreenIdentity>& connected, const ScreenIdentity& chosen)
{
    if (chosen.Name.isEmpty())
        return -1;
    for (qsizetype i = 0; i < connected.size(); ++i) {
        if (connected[i].Name == chosen.Name)
            return i;
    }
    for (qsizetype i = 0; i < connected.size(); ++i) {
        if (SameMonitor(connected[i], chosen))
            return i;
    }
    return -1;
}
