#pragma once

#include "app/Windows.h"
#include "core/FolderLock.h"

#include <QMainWindow>

class AppContext;
class QLabel;
class QTimer;

// The main menu: the product title, a running clock and the menu bar from
// which every other window is opened. Its entries carry object names by role
// ("startGameEntry", "versionEntry" ...), its clock label "clockLabel".
class MainMenu : public QMainWindow {
    Q_OBJECT
public:
    explicit MainMenu(AppContext& context, QWidget* parent = nullptr);

    // The start-up that runs before the menu is first shown: the second-copy
    // check, the screen size, the setup request and the settings files. When
    // it returns the program may have been asked to end
    // (AppContext::EndRequested); the menu is then not to be shown.
    void LoadAtStart();

    // The windows the menu opens.
    Windows& OpenWindows() { return MenuWindows; }
    // Where ﾍﾙﾌﾟ looks for the manual, in this order (by default where the
    // program's data is installed; a test points elsewhere).
    void SetManualFolders(QStringList folders) { ManualFolders = std::move(folders); }

private:
    void BuildLabels();
    void BuildMenus();
    void ShowPictures();
    void CenterOnScreen();
    void ShowClock();

    AppContext& Context;
    Windows MenuWindows;
    QStringList ManualFolders;
    // Held from the start until the program ends.
    FolderLock Instance;
    QLabel* menuPicture = nullptr;
    QLabel* clockLabel = nullptr;
    QTimer* clockTimer = nullptr;
};
