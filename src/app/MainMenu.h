#pragma once

#include "app/StartUp.h"
#include "app/WindowRegistry.h"
#include "platform/SingleInstance.h"

#include <QMainWindow>
#include <array>

class AppContext;
class QAction;
class QLabel;
class QMenu;
class QTimer;

// The main menu: the product title, a running clock and the menu bar from
// which every other window is opened.
class MainMenu : public QMainWindow {
public:
    explicit MainMenu(AppContext& context, QWidget* parent = nullptr);

    // Runs before the menu is first shown. When it returns the program may
    // have been asked to end (AppContext::EndRequested); the menu is then
    // not to be shown.
    void Form_Load();

    WindowRegistry Windows;
    // How the help viewer is started; tests put a recorder here.
    StartProgram StartHelpViewer = StartDetached;

    std::array<QLabel*, 3> LBX{};
    QLabel* IMG1 = nullptr;
    QLabel* LBTM1 = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* F00 = nullptr;
    QAction* F08 = nullptr;
    QAction* F30 = nullptr;
    QAction* F50 = nullptr;
    QAction* F51 = nullptr;
    QAction* F31 = nullptr;
    QAction* F06 = nullptr;
    QAction* F04 = nullptr;
    QAction* F05 = nullptr;
    QMenu* B00 = nullptr;
    QAction* B04 = nullptr;
    QAction* B05 = nullptr;
    QAction* B06 = nullptr;
    QAction* B07 = nullptr;
    QMenu* V00 = nullptr;
    QAction* V16 = nullptr;
    QAction* V02 = nullptr;
    QMenu* T00 = nullptr;
    QAction* T03 = nullptr;
    QMenu* H00 = nullptr;
    QAction* H01 = nullptr;
    QAction* H02 = nullptr;

    // An entry whose window is not part of the program is shown disabled.
    void RefreshEntries();

    void Timer1_Timer();
    void F08_Click();
    void F30_Click();
    void F50_Click();
    void F51_Click();
    void F06_Click();
    void F05_Click();
    void B04_Click();
    void B05_Click();
    void B06_Click();
    void B07_Click();
    void V16_Click();
    void V02_Click();
    void T03_Click();
    void H01_Click();
    void H02_Click();

private:
    void BuildLabels();
    void BuildMenus();
    void ShowPictures();
    void CenterOnScreen();
    QAction* AddEntry(QMenu* menu, const QString& caption, void (MainMenu::*handler)());

    AppContext& Context;
    SingleInstance Instance;
};
