#pragma once

#include "core/StoreFailures.h"

class ContestSession;

// What happens when the settings files cannot be used, at start-up or when a
// window finds them damaged while the program runs.

// Asks "環境設定を初期値に戻します。". No ends the program at once without
// writing anything (false); Yes stores the factory values of all five groups,
// telling the operator of each file not written.
bool OfferFactorySettings(ContestSession& session);

// Tells what is wrong with the settings files, then offers the factory
// values. False when the program must end.
bool RecoverDamagedSettings(ContestSession& session, const SettingsDamaged& damaged);

// Reads KANKYOU1.REC as an opening window needs it, recovering a missing or
// broken file as above. False when the program must end.
bool LoadBasicSettingsOrRecover(ContestSession& session);
