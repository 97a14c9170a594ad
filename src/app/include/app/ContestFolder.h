#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class MessageBoxService;

// The contest folder: the one folder that holds the settings files, the
// measurement log, the ranking file, the setup request, the report settings
// and the recordings. The program's own files live elsewhere when it is
// installed for the whole system, so each user gets a folder of their own.

// The files delivered with the program that the program only reads: the
// recording templates, the sounds, the pictures and the mouse pointers.
const QStringList& DeliveredProgramFiles();
// The factory setup request, delivered too but contest data once copied.
inline const QString DeliveredSetupRequest = QStringLiteral("SKANRI.REC");

// True when `folder` holds every delivered program file.
bool HoldsDeliveredFiles(const QString& folder);

// True when a file can be made in `folder`; leaves nothing behind.
bool IsWritableFolder(const QString& folder);

// The contest folder, in this order: `requested` (the --folder option) when
// not empty; the executable's folder when it holds the delivered files and
// can be written (a program folder laid out by `cmake --install`); else
// "zuvelo" in the user's data folder.
QString ChooseContestFolder(const QString& requested, const QString& executableFolder, const QString& userDataFolder);

// Where the delivered files are read from: the installed data folder beside
// the executable's (<prefix>/share/zuvelo for <prefix>/bin), else the
// executable's folder itself; empty when neither holds them.
QString DeliveredDataFolder(const QString& executableFolder);

// The folders the manual is looked for in, in this order: "manual" in the
// installed data folder (<prefix>/share/zuvelo/manual for <prefix>/bin),
// then "manual" beside the executable (a program folder).
QStringList ManualFolderCandidates(const QString& executableFolder);

// Creates `folder` when missing, checks that it can be written and copies in
// each delivered file it lacks from `dataFolder` (empty: none), never
// replacing a file. The operator's message naming the folder when it cannot
// be created or written; nothing when the folder is ready.
std::optional<QString> PrepareContestFolder(const QString& folder, const QString& dataFolder);

// The contest folder of this run, chosen and prepared, for the executable in
// `executableFolder`. A folder that cannot be used is reported through
// `messages` and on the standard error, and nothing is returned.
std::optional<QString> OpenContestFolder(const QString& requested, const QString& executableFolder,
                                         MessageBoxService& messages);
