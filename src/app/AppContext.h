#pragma once

#include "measure/MeasureResult.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramFolder.h"
#include "store/ContestValues.h"
#include "store/SettingsRecord.h"

#include <QDateTime>
#include <functional>

// Everything shared for the whole run: created once at start-up and handed to
// every window. A test builds its own over a temporary program folder.
class AppContext {
public:
    AppContext(const QString& programFolder, MessageBoxService& messages);

    ProgramFolder Folder;
    MessageBoxService& Messages;
    SettingsRecord Settings;
    ContestValues Contest;
    MeasureResult Measure;

    int ScreenWidth = 0;
    int ScreenHeight = 0;
    // -1 when the result display opens the window for the entrant just
    // measured, 0 when the menu opens it.
    int16_t ScoreSheetOpenMode = 0;
    int16_t ScoreMonitorOpenMode = 0;
    // The entrant whose score sheet the result display prints at once.
    int16_t ImmediatePrintEntryNo = 0;
    QString RecVolumeCommand;
    QString PlayVolumeCommand;

    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

    QString LogPath() const;
    QString RankingPath() const;

    // Asks the program to end at once. The caller stops what it was doing;
    // the application honours the request through OnEndProgram.
    void EndProgram();
    bool EndRequested() const { return EndIsRequested; }
    std::function<void()> OnEndProgram;

private:
    bool EndIsRequested = false;
};
