#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class ContestState;

// Starts a program with an argument list, detached; false when it cannot be
// started.
using ProgramStart = std::function<bool(const QString& program, const QStringList& arguments)>;
bool StartDetachedProgram(const QString& program, const QStringList& arguments);

// Opens a volume control of the system from its command line, which is split
// into the program and its arguments and never handed to a shell. When it
// cannot be started (an empty command line, a program that is not
// installed) the operator is told where else to set the volume.
void OpenVolumeControl(ContestState& context, const QString& commandLine, const ProgramStart& start);
