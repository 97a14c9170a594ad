// Developer tool of scripts/crash-safety, not delivered.
//   CrashSafetyCheck keep <program folder> <copy folder>
//     copies the contest and settings files of the program folder aside;
//   CrashSafetyCheck check <program folder> <copy folder>
//     judges what a killed program left against that copy: prints one
//     "fault: ..." line per fault and a line of figures for the tally, and
//     exits with 1 when anything is wrong.
#include "FolderAfterKill.h"

#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

int Keep(const QString& folder, const QString& copy)
{
    QDir(copy).removeRecursively();
    if (!QDir().mkpath(copy))
        return 2;
    const ProgramFolder program(folder);
    for (const QString& name : KeptFileNames()) {
        const QString path = program.FilePath(name);
        if (QFile::exists(path) && !QFile::copy(path, copy + QLatin1Char('/') + name))
            return 2;
    }
    return 0;
}

int Check(const QString& folder, const QString& copy)
{
    const FolderAfterKill outcome = CheckFolderAfterKill(folder, copy);
    for (const QString& fault : outcome.Faults)
        std::printf("fault: %s\n", qPrintable(fault));
    std::printf("entrants=%d stored=%d cleared=%d settings=%s\n", outcome.Entrants, int(outcome.ResultStored),
                int(outcome.LogCleared), qPrintable(outcome.ChangedSettings.join(QLatin1Char(','))));
    return outcome.Faults.isEmpty() ? 0 : 1;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("keep"))
        return Keep(arguments[2], arguments[3]);
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("check"))
        return Check(arguments[2], arguments[3]);
    std::fprintf(stderr, "usage: CrashSafetyCheck keep|check <program folder> <copy folder>\n");
    return 2;
}
