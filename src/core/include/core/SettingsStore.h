#pragma once

class ContestState;

// Loading and saving of the five settings files in the program folder.

// On a missing or broken KANKYOU1.REC: the broken-data message, naming the
// file and the line at fault, then ResetToFactorySettings. False when the program must end. Values outside
// what the settings window allows are taken as they are: the start-up's
// LoadAllSettings keeps them from a contest, and the settings windows show
// them clamped.
bool LoadBasicSettings(ContestState& context);
// The start-up's check of all five files: each must be whole and hold only
// values its settings window allows, else the same message, naming every
// file at fault, and the factory question. False when the program must end.
bool LoadAllSettings(ContestState& context);

// True when the folder holds none of the five settings files: a new contest
// folder, not a damaged one.
bool HoldsNoSettingsFile(const ContestState& context);

// Silent on error: values read before the error are kept, the rest keep
// their previous values.
void LoadScreenSettings(ContestState& context);
void LoadSoundSettings(ContestState& context);
void LoadEffectSettings(ContestState& context);
void LoadMicSettings(ContestState& context);

// Each save replaces its file atomically; on failure it shows
// "管理データの書き込みができません！" and returns false, the settings in
// memory keeping the edited values.
bool SaveBasicSettings(ContestState& context);
bool SaveScreenSettings(ContestState& context);
bool SaveSoundSettings(ContestState& context);
bool SaveEffectSettings(ContestState& context);
bool SaveMicSettings(ContestState& context);

// Asks "環境設定を初期値に戻します。"; No ends the program at once without
// writing anything (returns false); Yes stores the factory values of all five
// groups, each save reporting its own failure. Each file is first copied aside
// under its name with the time appended ("KANKYOU3_20261207-142005.REC"); a
// file that cannot be kept aside is not replaced, and reported as unwritable.
bool ResetToFactorySettings(ContestState& context);
