#pragma once

#include <QString>
#include <QStringList>

// What a program killed at an arbitrary instant left in its program folder,
// judged against a copy of the folder's contest and settings files taken just
// before it was started.
struct FolderAfterKill {
    // Each thing found that the program must never leave behind.
    QStringList Faults;
    // Entrants in the log afterwards.
    int Entrants = 0;
    // The log now holds one entrant more than before.
    bool ResultStored = false;
    // The log was rewritten as cleared.
    bool LogCleared = false;
    // Settings files whose content changed.
    QStringList ChangedSettings;
};

// The files a kill must leave whole: the log holds whole records, the records
// from before are unchanged unless the whole log was cleared, and only the
// record after the last entrant may have been stored; every entrant's
// recording is present and scores as its record says; each settings file is
// its old content or a whole new file.
FolderAfterKill CheckFolderAfterKill(const QString& folder, const QString& before);

// The files of a folder that CheckFolderAfterKill compares with their copy.
QStringList KeptFileNames();
