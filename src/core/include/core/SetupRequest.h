#pragma once

class ContestState;

// The setup request file "SKANRI.REC": whether the next start resets every
// setting to its factory value.

// "データが不正です。(SKANRI)" when the file cannot be read.
void LoadSetupRequest(ContestState& context);
bool SaveSetupRequest(ContestState& context);
// Clears a pending setup request on disk, then resets all settings to their
// factory values. False when the operator declined and the program must end.
bool ConsumeSetupRequest(ContestState& context);
