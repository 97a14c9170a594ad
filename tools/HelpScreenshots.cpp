// Starts the main menu on a new contest folder, opens the help window from
// ﾍﾙﾌﾟ on the manual of the source tree and photographs the X display: the
// menu alone, then the contents, a search with a chapter it found, and a
// chapter reached through a link. The chapter's pictures are those the
// other drivers made.
#include "ScreenshotSupport.h"
#include "app/AppContext.h"
#include "app/ContestFolder.h"
#include "app/MainMenu.h"
#include "help/HelpWindow.h"
#include "widgets/DesktopSetup.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>

int main(int argc, char* argv[])
{
    if (!TakeOutputFolder(argc, argv, "HelpScreenshots"))
        return 2;
    QApplication application(argc, argv);
    InstallJapaneseTranslations(application);
    InstallFontSubstitutions();

    QTemporaryDir folder;
    PrepareContestFolder(folder.path(), QStringLiteral(ZUVELO_DELIVERED_DATA));
    AnswerYes answers;
    AppContext context(folder.path(), answers);
    MainMenu menu(context);
    menu.SetManualFolders({QStringLiteral(ZUVELO_MANUAL_SOURCE)});
    menu.LoadAtStart();
    menu.show();
    Shoot(QStringLiteral("0-menu"));

    // Where an operator keeps the menu when the help is open beside it.
    menu.move(40, 40);
    menu.findChild<QAction*>(QStringLiteral("helpEntry"))->trigger();
    auto* help = menu.findChild<HelpWindow*>();
    if (!help)
        return 1;
    Shoot(QStringLiteral("1-help-contents"));

    help->findChild<QLineEdit*>(QStringLiteral("searchBox"))->setText(QStringLiteral("マイク"));
    help->Search();
    auto* found = help->findChild<QListWidget*>(QStringLiteral("searchResults"));
    if (found->count() > 1)
        emit found->itemClicked(found->item(1)); // the first chapter found, with its pictures
    Shoot(QStringLiteral("2-help-search"));

    help->ShowContents();
    help->findChild<QTextBrowser*>(QStringLiteral("pageView"))->setSource(QUrl(QStringLiteral("03-contest.html")));
    Shoot(QStringLiteral("3-help-chapter"));
    return 0;
}
