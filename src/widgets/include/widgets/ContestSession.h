#pragma once

#include "core/ContestState.h"
#include "widgets/MessageBoxService.h"

#include <QObject>

// The contest state as the windows hold it: with the message service through
// which they speak to the operator, and the request that ends the program.
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

    // The damaged list of entrants last named to the operator, so that the
    // same damage is not named at every window's opening.
    QString NamedRosterFault;

signals:
    void endRequested();

private:
    bool EndIsRequested = false;
};
