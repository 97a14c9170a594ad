#pragma once

#include "core/MessageBoxService.h"
#include "core/ProgramFolder.h"
#include "core/ContestValues.h"
#include "core/SettingsRecord.h"

#include <QDateTime>
#include <QObject>
#include <functional>

// The state of the contest for the whole run: the program folder with its
// files, the settings and the contest values, with the
// message service and the clock that the store and every window use. Created
// once at start-up and handed to the windows; a test builds its own over a
// temporary program folder.
class ContestState : public QObject {
    Q_OBJECT
public:
    ContestState(const QString& programFolder, MessageBoxService& messages);

    ProgramFolder Folder;
    MessageBoxService& Messages;
    SettingsRecord Settings;
    ContestValues Contest;

    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

    QString LogPath() const;
    QString RankingPath() const;

    // Asks the program to end at once (the operator refused the factory
    // values). The caller stops what it was doing; the application honours
    // the request on endRequested, and runs in progress see EndRequested and
    // unwind.
    void EndProgram();
    bool EndRequested() const { return EndIsRequested; }

signals:
    void endRequested();

private:
    bool EndIsRequested = false;
};
