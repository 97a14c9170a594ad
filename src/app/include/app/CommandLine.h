#pragma once

#include <QString>
#include <QStringList>

// What the program was asked for on its command line.
struct CommandLine {
    enum class Action { Run, Help, Version, Wrong };
    Action Asked = Action::Run;
    QString Folder; // the --folder option; empty when not given
    QString Error;  // what is wrong, for Wrong
};

// `arguments` as the process got them, the program's name first. --help and
// --version win over anything else on the line.
CommandLine ParseCommandLine(const QStringList& arguments);

// The text of --help: the options and how the contest folder is chosen.
QString CommandLineHelp();
// The text of --version.
QString VersionLine();
