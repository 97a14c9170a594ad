// The program's start: the operating system check, then the main menu, whose
// LoadAtStart carries the rest of the start-up.
#include "app/AppContext.h"
#include "app/StartUp.h"
#include "app/SystemCheck.h"
#include "app/MainMenu.h"
#include "platform/DesktopSetup.h"
#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QSysInfo>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();

    QtMessageBox messages;
    AppContext context(ProgramFolder::OfExecutable(), messages);
    // Ends every event loop, the nested ones of modal windows included; the
    // windows are then destroyed without their close handlers running.
    context.OnEndProgram = [] { QCoreApplication::exit(0); };

    if (!CheckSystemAtStart(context, OperatingSystemName(), QSysInfo::kernelType()))
        return 0;
    MainMenu menu(context);
    menu.LoadAtStart();
    if (context.EndRequested())
        return 0;
    menu.show();
    return application.exec();
}
