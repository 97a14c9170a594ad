#pragma once

#include "widgets/ContestSession.h"
#include "ScriptedMessageBox.h"
#include "support/TestFolderFiles.h"

// A temporary program folder with a session of its own over scripted message
// boxes.
template <class Session>
class BasicTestFolder : public TestFolderFiles {
public:
    BasicTestFolder() : Context(Dir.path(), Messages) {}

    ScriptedMessageBox Messages;
    Session Context;
};

using TestFolder = BasicTestFolder<ContestSession>;
