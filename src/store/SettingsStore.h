#pragma once

class AppContext;

// Loading and saving of the five settings files in the program folder.

// On a missing or broken KANKYOU1.REC: the broken-data message, then
// ResetToFactorySettings. False when the program must end.
bool LoadBasicSettings(AppContext& context);
// Silent on error: values read before the error are kept, the rest keep
// their previous values.
void LoadScreenSettings(AppContext& context);
void LoadSoundSettings(AppContext& context);
void LoadEffectSettings(AppContext& context);
void LoadMicSettings(AppContext& context);

// Each save replaces its file atomically; on failure it shows
// "管理データの書き込みができません！" and returns false, the settings in
// memory keeping the edited values.
bool SaveBasicSettings(AppContext& context);
bool SaveScreenSettings(AppContext& context);
bool SaveSoundSettings(AppContext& context);
bool SaveEffectSettings(AppContext& context);
bool SaveMicSettings(AppContext& context);

// Asks "環境設定を初期値に戻します。"; No ends the program at once without
// writing anything (returns false); Yes stores the factory values of all five
// groups, each save reporting its own failure.
bool ResetToFactorySettings(AppContext& context);
