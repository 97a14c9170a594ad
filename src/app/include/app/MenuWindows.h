#pragma once

#include "core/OpenRequests.h"

class AppContext;
class QWidget;
class WindowRegistry;

// Registers every window of the program under its name and wires the windows
// to each other: the measurement screen to the result display and the
// ranking board, the result display to the score sheet output and the score
// monitor. No window makes another; they meet only here.
void RegisterMenuWindows(WindowRegistry& windows, AppContext& context);

// The two windows that open either from the menu or for the entrant just
// stored, with the request that says which. The score sheet output opens at
// the position of `owner` (the menu); for the entrant just stored it prints
// the sheet without ever showing itself.
void OpenScoreSheetOutput(WindowRegistry& windows, const ScoreSheetRequest& request, QWidget* owner);
void OpenScoreMonitor(WindowRegistry& windows, const ScoreMonitorRequest& request, QWidget* owner);
