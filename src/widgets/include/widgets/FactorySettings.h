#pragma once

#include "core/StoreFailures.h"

class ContestSession;
class ContestState;

// What happens when the settings files cannot be used, at start-up or when a
// window finds them damaged while the program runs.

// `question`, followed when the log holds entrants by the warning that the
// values their results were measured under (measurement time, quality, noise
// cut, volume) go back to the factory values for the next entrants. A log
// that cannot be read adds no warning.
QString WarnedOfLoggedEntrants(const ContestState& context, const QString& question);

// Asks "環境設定を初期値に戻します。", warned of logged entrants. No ends the program at once without
// writing anything (false); Yes stores the factory values of all five groups,
// telling the operator of each file not written.
bool OfferFactorySettings(ContestSession& session);

// Tells what is wrong with the settings files, then offers the factory
// values. False when the program must end.
bool RecoverDamagedSettings(ContestSession& session, const SettingsDamaged& damaged);

// Reads KANKYOU1.REC as an opening window needs it, recovering a missing or
// broken file as above. False when the program must end.
bool LoadBasicSettingsOrRecover(ContestSession& session);
