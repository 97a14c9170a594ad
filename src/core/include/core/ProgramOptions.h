#pragma once

#include "core/LevelCalibration.h"
#include "core/ScreenIdentity.h"
#include "core/StoreFailures.h"

#include <QString>

class ContestState;

// [Hall] Enabled (true/false), Port and Url, the address the audience is
// shown: the hall's results page. A port outside 1 to 65535 reads as 8080.
struct HallOptions {
    static constexpr int DefaultPort = 8080;
    bool Enabled = false;
    int Port = DefaultPort;
    QString Url;
};

// The program's own options, kept apart from the five settings files in
// "ZUVELO.INI" in the contest folder (Qt's INI format). A missing, empty or
// damaged file reads as the defaults: nothing here reports an error to the
// operator.
struct ProgramOptions {
    // [Audio] Input: the sound server's name of the chosen input; empty means
    // the server's default input.
    QString AudioInput;
    // [Screen] Audience, Manufacturer, Model, SerialNumber, Geometry: the
    // screen the full-screen windows open on, Audience holding the system's
    // name, Geometry its place and size ("left,top,width,height"; missing or
    // damaged, none); an empty name means the menu's screen.
    ScreenIdentity AudienceScreen;
    // [Entrants] ShowNames: whether the hall's full-screen windows show the
    // entrants' names (sheets and exports always do).
    bool ShowNames = true;
    HallOptions Hall = {};
    // [Level] OffsetDb, Reference (calibrator/meter), ReferenceDb, Weighting
    // (A/C/Z), DistanceCm, Date (yyyy-MM-dd), Input, Volume, Quality (0..2),
    // Show (true/false): the sound level calibration. A value out of its
    // range reads as no calibration where it decides whether one holds
    // (OffsetDb, Volume, Quality), as its default elsewhere.
    LevelCalibration Level = {};
};

ProgramOptions LoadProgramOptions(const ContestState& context);

// The one writer of the file: writes every option, keeping keys it does not
// know; a damaged file is replaced as a whole. The failure when the file
// cannot be written (the old file is then left as it was).
std::optional<SettingsNotWritten> SaveProgramOptions(const ContestState& context, const ProgramOptions& options);

// The hall's options written over the options as the file holds them now.
std::optional<SettingsNotWritten> SaveHallOptions(const ContestState& context, const HallOptions& hall);
