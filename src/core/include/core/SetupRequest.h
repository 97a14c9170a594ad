#pragma once

#include "core/StoreFailures.h"

#include <optional>

class ContestState;

// The setup request file "SKANRI.REC": whether the next start resets every
// setting to its factory value.

// SetupRequestUnreadable when the file cannot be read; the values read
// before the fault are kept.
std::optional<SetupRequestUnreadable> LoadSetupRequest(ContestState& context);
std::optional<SetupRequestNotWritten> SaveSetupRequest(const ContestState& context);
