#pragma once

#include <QString>
#include <QTime>

class AppContext;
class ContestSession;
class ContestState;

// Start-up work of the main menu that needs no window.

// The operating system check of the start-up: on refusal, after the check's
// own message, "本製品はこのパソコンではご利用できません！"; false when the
// program must end.
bool CheckSystemAtStart(AppContext& context, const QString& productName, const QString& kernelType);

// Warns when the program folder's path has characters the settings files
// cannot hold (the sound paths are stored there), naming them.
void CheckProgramFolderPath(ContestSession& context);

// Removes what writes cut short left behind, reads the setup request and
// checks all five settings files, and carries out a pending setup request. A
// folder without any settings file is new and set up the same way, without
// being called damaged. False when the program must end (the operator
// declined the factory reset).
bool LoadContestAtStart(ContestSession& context);

// The menu clock: "<hh:mm:ss>", 24-hour.
QString ClockText(const QTime& time);
