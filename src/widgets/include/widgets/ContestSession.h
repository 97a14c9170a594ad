#pragma once

#include "core/ContestState.h"
#include "widgets/MessageBoxService.h"

#include <QObject>

// The contest state as the windows hold it: with the message service through
// which they speak to the operator, and the request that ends the program.
// Its settings are loaded once at start-up; every window reads them here and
// none reloads their files, and a settings window changes them only as it
// stores them, after which they are published to the windows open beside it.
class ContestSession : public QObject, public ContestState {
    Q_OBJECT
public:
    ContestSession(const QString& programFolder, MessageBoxService& messages);

    MessageBoxService& Messages;

    // Asks the program to end at once (the operator refused the factory
    // values). The caller stops what it was doing; the application honours
    // the request on endRequested, and runs in progress see EndRequested and
    // unwind.
    void EndProgram();
    bool EndRequested() const { return EndIsRequested; }

    // Tells the windows that follow the settings that a settings window has
    // just stored them.
    void PublishSettings();

    // The damaged list of entrants last named to the operator, so that the
    // same damage is not named at every window's opening.
    QString NamedRosterFault;

signals:
    void endRequested();
    void settingsPublished(const SettingsRecord& settings);

private:
    bool EndIsRequested = false;
};
