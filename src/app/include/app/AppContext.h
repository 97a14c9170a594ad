#pragma once

#include "widgets/ContestSession.h"

#include <QString>

// The contest session with what only the application shell keeps: the screen
// size the menu found, the command lines of the system's volume controls,
// which the wiring hands to the settings windows, and the hall page's address.
class AppContext : public ContestSession {
public:
    using ContestSession::ContestSession;

    int ScreenWidth = 0;
    int ScreenHeight = 0;
    QString RecVolumeCommand;
    QString PlayVolumeCommand;
    // The hall page's address shown to the audience; empty while it is off.
    QString HallUrl;
};
