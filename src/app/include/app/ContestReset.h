#pragma once

#include "app/LockedAction.h"

#include <QString>

class ContestSession;

// The two ways back to a starting point: clearing the contest data and
// requesting a factory reset at the next start.

// Deletes every file of the folder named "xx*.wav" in any letter case. False
// when none matched, one could not be deleted or the folder cannot be read;
// the others are deleted all the same.
bool DeleteRecordings(const QString& folder);

// Empties the measurement log, then deletes the recordings and reports the
// outcome. When the log cannot be cleared nothing else is touched, so that no
// logged entrant loses its recording. True when the window is done.
bool ClearContestData(ContestSession& context);

// Asks for confirmation, stores the setup request and ends the program. False
// when the operator declined or the request could not be stored.
bool RequestFactoryReset(ContestSession& context);

// The two windows of these actions ("データクリア", "設定初期化").
LockedAction DataClear(ContestSession& context);
LockedAction FactoryResetRequest(ContestSession& context);
