#pragma once

#include "core/StoreFailures.h"

#include <optional>
#include <vector>

class ContestState;

// Loading and saving of the five settings files in the program folder.

// Reads KANKYOU1.REC; SettingsDamaged, naming the file and the line at fault,
// when it is missing or broken, the values read before the fault kept.
// Values outside what the settings window allows are taken as they are: the
// start-up's LoadAllSettings keeps them from a contest, and the settings
// windows show them clamped.
std::optional<SettingsDamaged> LoadBasicSettings(ContestState& context);
// The start-up's check of all five files: each must be whole and hold only
// values its settings window allows, else SettingsDamaged naming every file
// at fault. Every group is read whatever the others hold.
std::optional<SettingsDamaged> LoadAllSettings(ContestState& context);

// True when the folder holds none of the five settings files: a new contest
// folder, not a damaged one.
bool HoldsNoSettingsFile(const ContestState& context);

// Each reads its group's file; SettingsDamaged naming the file and the line
// at fault when it is missing or broken, the values read before the fault
// kept and the rest keeping their previous values.
std::optional<SettingsDamaged> LoadScreenSettings(ContestState& context);
std::optional<SettingsDamaged> LoadSoundSettings(ContestState& context);
std::optional<SettingsDamaged> LoadEffectSettings(ContestState& context);
std::optional<SettingsDamaged> LoadMicSettings(ContestState& context);

// Each save replaces its file atomically; SettingsNotWritten on failure, the
// old file left and the settings in memory keeping the edited values.
std::optional<SettingsNotWritten> SaveBasicSettings(ContestState& context);
std::optional<SettingsNotWritten> SaveScreenSettings(ContestState& context);
std::optional<SettingsNotWritten> SaveSoundSettings(ContestState& context);
std::optional<SettingsNotWritten> SaveEffectSettings(ContestState& context);
std::optional<SettingsNotWritten> SaveMicSettings(ContestState& context);

// Stores the factory values of all five groups, going on past a group that
// cannot be saved; the files not written, in the order of the groups. Each
// file is first copied aside under its name with the time appended
// ("KANKYOU3_20261207-142005.REC"); a file that cannot be kept aside is not
// replaced, and reported as not written.
std::vector<SettingsNotWritten> ResetToFactorySettings(ContestState& context);
