#pragma once

#include "core/EntrantRoster.h"

#include <QFontMetricsF>

class ContestSession;

// The list of entrants as a window reads it when it opens. A damaged list is
// named to the operator (file and line) once, not again at each opening until
// the file changes, and reads as no names: the windows show numbers only.
EntrantRoster ReadEntrantNames(ContestSession& context);

// The names for the hall's full-screen windows: none when the operator keeps
// them off the hall ([Entrants] ShowNames in ZUVELO.INI).
EntrantRoster ReadHallNames(ContestSession& context);

// The name after an ideographic space, cut short with "…" to be at most
// `room` wide in `metrics`; empty when there is no name or no room for one.
QString FittedNameSuffix(const QString& name, const QFontMetricsF& metrics, double room);
