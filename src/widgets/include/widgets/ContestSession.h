#pragma once

#include "core/ContestState.h"
#include "widgets/MessageBoxService.h"

#include <functional>

// The contest state as the windows hold it: with the message service through
// which they speak to the operator, and the request that ends the program.
class ContestSession : public ContestState {
public:
    ContestSession(const QString& programFolder, MessageBoxService& messages);

    MessageBoxService& Messages;

    // Asks the program to end at once (the operator refused the factory
    // values). The caller stops what it was doing; the application honours
    // the request through OnEndProgram, and runs in progress see
    // EndRequested and unwind.
    void EndProgram();
    bool EndRequested() const { return EndIsRequested; }
    std::function<void()> OnEndProgram;

private:
    bool EndIsRequested = false;
};
