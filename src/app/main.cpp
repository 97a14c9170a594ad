// The program's start: the command line and the contest folder, the
// operating system check, then the main menu, whose LoadAtStart carries the
// rest of the start-up.
#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/ContestFolder.h"
#include "app/StartUp.h"
#include "app/SystemCheck.h"
#include "app/TerminationSignals.h"
#include "app/MainMenu.h"
#include "widgets/DesktopSetup.h"
#include "widgets/HeldKeyGuard.h"
#include "widgets/QtMessageBox.h"

#include <QApplication>
#include <QSysInfo>
#include <cstdio>

namespace {

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    return arguments;
}

}

int main(int argc, char* argv[])
{
    // Help and version are answered without a display.
    const CommandLine asked = ParseCommandLine(ArgumentsOf(argc, argv));
    if (asked.Asked == CommandLine::Action::Help || asked.Asked == CommandLine::Action::Version) {
        const QString text = asked.Asked == CommandLine::Action::Help ? CommandLineHelp() : VersionLine();
        std::fputs(text.toUtf8().constData(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZUVELO_APP_ID));
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();
    application.installEventFilter(new HeldKeyGuard(&application));

    // Read again without the options Qt took for itself (-platform, -display …).
    const CommandLine line = ParseCommandLine(QCoreApplication::arguments());
    if (line.Asked == CommandLine::Action::Wrong) {
        std::fprintf(stderr, "zuvelo: %s\n使い方は zuvelo --help で表示されます。\n", line.Error.toUtf8().constData());
        return 2;
    }

    QtMessageBox messages;
    const std::optional<QString> folder = OpenContestFolder(line.Folder, ProgramFolder::OfExecutable(), messages);
    if (!folder)
        return 1;
    AppContext context(*folder, messages);
    // Ends every event loop, the nested ones of modal windows included; the
    // windows are then destroyed without their close handlers running.
    QObject::connect(&context, &ContestSession::endRequested, &application, [] { QCoreApplication::exit(0); });

    if (!CheckSystemAtStart(context, OperatingSystemName(), QSysInfo::kernelType()))
        return 0;
    MainMenu menu(context);
    messages.SetOperatorWindow(&menu);
    // Log-out, shutdown or kill end the contest as closing its windows would.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &menu, [&menu] { menu.OpenWindows().EndAsClosed(); });
    menu.LoadAtStart();
    if (context.EndRequested())
        return 0;
    menu.show();
    return application.exec();
}
