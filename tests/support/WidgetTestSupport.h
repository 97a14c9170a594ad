#pragma once

#include "store/SettingsStore.h"
#include "support/TestFolder.h"

#include <QApplication>

// One application object for all window tests of a test program.
inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

// A program folder as a completed installation leaves it: factory settings
// and no pending setup request. The messages of the preparation are dropped.
template <class State>
void WriteInstalledFolder(BasicTestFolder<State>& folder)
{
    folder.Write(QStringLiteral("SKANRI.REC"), "#FALSE#\r\n#FALSE#\r\n");
    folder.Messages.Answer(MessageAnswer::Yes);
    ResetToFactorySettings(folder.Context);
    folder.Messages.Messages.clear();
}
