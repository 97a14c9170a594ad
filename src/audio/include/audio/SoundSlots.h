#pragma once

#include <QtGlobal>

class MultimediaPlayer;
class ProgramFolder;
struct SettingsRecord;

// Plays sound slot 0 to 6 on `player` when sounds are on and the slot is in
// use: the player is closed if open, then opened on the slot's file (a
// relative name is in the program folder), rewound and started; playing goes
// on in the background. Returns the length of the sound in milliseconds, 0
// when nothing plays.
qint64 PlaySlotOn(MultimediaPlayer& player, const SettingsRecord& settings, const ProgramFolder& folder, int slot);
