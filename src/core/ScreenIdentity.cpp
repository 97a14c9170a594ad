#include "core/ScreenIdentity.h"

#include <utility>

namespace {

bool Agree(const QString& a, const QString& b)
{
    return a.isEmpty() || b.isEmpty() || a == b;
}

bool SameName(const ScreenIdentity& connected, const ScreenIdentity& chosen)
{
    return connected.Name == chosen.Name;
}

// One monitor seen in two sessions: a part that one session leaves empty
// (Wayland reports no serial number) does not tell two monitors apart.
bool SameMonitor(const ScreenIdentity& connected, const ScreenIdentity& chosen)
{
    return !chosen.Model.isEmpty() && connected.Manufacturer == chosen.Manufacturer && connected.Model == chosen.Model &&
           Agree(connected.SerialNumber, chosen.SerialNumber);
}

// The same place on the desk, unless both sessions name the monitor there and
// the names differ: a projector swapped for another is chosen anew.
bool SamePlace(const ScreenIdentity& connected, const ScreenIdentity& chosen)
{
    return chosen.Geometry.isValid() && connected.Geometry == chosen.Geometry &&
           Agree(connected.Manufacturer, chosen.Manufacturer) && Agree(connected.Model, chosen.Model);
}

}

ScreenMatch MatchingScreen(const QList<ScreenIdentity>& connected, const ScreenIdentity& chosen)
{
    if (chosen.Name.isEmpty())
        return {};
    using Rule = bool (*)(const ScreenIdentity&, const ScreenIdentity&);
    const std::pair<ScreenMatchedBy, Rule> rules[] = {{ScreenMatchedBy::Name, SameName},
                                                      {ScreenMatchedBy::Monitor, SameMonitor},
                                                      {ScreenMatchedBy::Place, SamePlace}};
    for (const auto& [by, rule] : rules) {
        for (qsizetype i = 0; i < connected.size(); ++i) {
            if (rule(connected[i], chosen))
                return {i, by};
        }
    }
    return {};
}
