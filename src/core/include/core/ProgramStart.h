#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starts a program with an argument list, detached, never through a shell;
// false when it cannot be started. Windows that start one (the volume
// controls) hold a ProgramStart so that tests can record instead.
using ProgramStart = std::function<bool(const QString& program, const QStringList& arguments)>;
bool StartDetachedProgram(const QString& program, const QStringList& arguments);
