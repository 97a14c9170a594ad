#pragma once

#include "app/WindowRegistry.h"
#include "core/ProgramStart.h"
#include "app/SingleInstance.h"

#include <QMainWindow>

class AppContext;
class QLabel;
class QMenu;
class QTimer;

// The main menu: the product title, a running clock and the menu bar from
// which every other window is opened. Its entries carry object names by role
// ("startGameEntry", "versionEntry" ...), its clock label "clockLabel".
class MainMenu : public QMainWindow {
public:
    explicit MainMenu(AppContext& context, QWidget* parent = nullptr);

    // The start-up that runs before the menu is first shown: the second-copy
    // check, the screen size, the setup request and the settings files. When
    // it returns the program may have been asked to end
    // (AppContext::EndRequested); the menu is then not to be shown.
    void LoadAtStart();

    WindowRegistry Windows;
    // How the help viewer is started; tests put a recorder here.
    ProgramStart StartHelpViewer = StartDetachedProgram;

private:
    void BuildLabels();
    void BuildMenus();
    // An entry whose window is not part of the program is shown disabled.
    void RefreshEntries(QMenu* menu);
    void ShowPictures();
    void CenterOnScreen();
    void ShowClock();

    AppContext& Context;
    SingleInstance Instance;
    QLabel* menuPicture = nullptr;
    QLabel* clockLabel = nullptr;
    QTimer* clockTimer = nullptr;
};
