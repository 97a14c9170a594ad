#pragma once

#include "core/ContestState.h"

#include <QString>

// The contest state with what only the application shell keeps: the screen
// size the menu found and the command lines of the system's volume controls,
// which the wiring hands to the settings windows.
class AppContext : public ContestState {
public:
    using ContestState::ContestState;

    int ScreenWidth = 0;
    int ScreenHeight = 0;
    QString RecVolumeCommand;
    QString PlayVolumeCommand;
};
