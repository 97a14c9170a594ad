#pragma once

#include "core/ProgramStart.h"

#include <QString>

class ContestSession;

// Opens a volume control of the system from its command line, which is split
// into the program and its arguments and never handed to a shell. When it
// cannot be started (an empty command line, a program that is not
// installed) the operator is told where else to set the volume.
void OpenVolumeControl(ContestSession& context, const QString& commandLine, const ProgramStart& start);
