#pragma once

#include "core/ContestState.h"
#include "support/TestFolderFiles.h"

// A temporary program folder with a contest state of its own, for what runs
// below the windows and tells the operator nothing.
class StoreFolder : public TestFolderFiles {
public:
    ContestState Context{Dir.path()};
};
