#pragma once

#include "core/ProgramFolder.h"
#include "core/ContestValues.h"
#include "core/SettingsRecord.h"

#include <QDateTime>
#include <QObject>
#include <functional>

// The state of the contest for the whole run: the program folder with its
// files, the settings and the contest values, with the clock that the store
// and every window use. Created once at start-up and handed to the windows;
// a test builds its own over a temporary program folder.
class ContestState {
public:
    explicit ContestState(const QString& programFolder);

    ProgramFolder Folder;
    SettingsRecord Settings;
    ContestValues Contest;

    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

    QString LogPath() const;
    QString RankingPath() const;
};
