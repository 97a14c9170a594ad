#include "app/MenuWindows.h"
#include "app/WindowNames.h"
#include "app/VersionWindow.h"
#include "app/MainMenu.h"
#include "results/ScoreMonitor.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"

#include "support/AppTestFolder.h"
#include "support/ResultLog.h"
#include "support/WidgetTestSupport.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ClockText, IsTheTimeInAngleBracketsWithLeadingZeros)
{
    EXPECT_EQ(ClockText(QTime(0, 0, 7)), QStringLiteral("<00:00:07>"));
    EXPECT_EQ(ClockText(QTime(9, 5, 3)), QStringLiteral("<09:05:03>"));
    EXPECT_EQ(ClockText(QTime(23, 59, 59)), QStringLiteral("<23:59:59>"));
}

namespace {

class MainMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        Menu = std::make_unique<MainMenu>(Folder.Context);
        Menu->Form_Load();
    }

    // Captions of a menu as "caption" per entry and "-" per separator.
    static QStringList Captions(const QMenu* menu)
    {
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

    AppTestFolder Folder;
    std::unique_ptr<MainMenu> Menu;
};

// A stand-in for a window that a later part of the program provides.
class FakeDialog : public QDialog {
public:
    using QDialog::QDialog;
    int Shown = 0;

protected:
    void showEvent(QShowEvent*) override
    {
        ++Shown;
        QTimer::singleShot(0, this, [this] {
            WasModal = QApplication::activeModalWidget() == this;
            reject();
        });
    }

public:
    bool WasModal = false;
};

}

TEST_F(MainMenuTest, HasTheTitlesAndEveryEntryWithItsMnemonic)
{
    EXPECT_EQ(Menu->windowTitle(), QStringLiteral("ずべろ"));
    EXPECT_EQ(Menu->LBX[0]->text(), QStringLiteral("大声大会用ソフトウェア"));
    EXPECT_EQ(Menu->LBX[1]->text(), QStringLiteral("Zuvelo Ver 1.34 for Windows 10/8/7/VISTA"));
    EXPECT_EQ(Menu->LBX[2]->text(), QStringLiteral("ずべろ"));

    QStringList topLevel;
    for (const QAction* action : Menu->menuBar()->actions())
        topLevel << action->text();
    EXPECT_EQ(topLevel, (QStringList{"ﾌﾟﾚｲ(&A)", "環境(&B)", "特殊(&C)", "ﾂｰﾙ(&D)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(Captions(Menu->F00), (QStringList{"ｹﾞｰﾑ開始(&A)", "順位表示(&B)", "成績出力(&C)", "成績ﾓﾆﾀｰ(&D)", "-",
                                                "ﾃﾞｰﾀｸﾘｱ(&E)", "-", "終了(&Q)"}));
    EXPECT_EQ(Captions(Menu->B00), (QStringList{"基本(&A)", "画面(&B)", "ｻｳﾝﾄﾞ(&C)", "ﾏｲｸ設定(&D)"}));
    EXPECT_EQ(Captions(Menu->V00), (QStringList{"効果(&A)", "ﾛｸﾞ(&B)"}));
    EXPECT_EQ(Captions(Menu->T00), (QStringList{"設定初期化(&A)"}));
    EXPECT_EQ(Captions(Menu->H00), (QStringList{"ﾍﾙﾌﾟ(&H)", "ﾊﾞｰｼﾞｮﾝ表示(&A)"}));
}

TEST_F(MainMenuTest, IsGreyWithAFixedSizeAndNoMinimiseOrMaximiseButton)
{
    EXPECT_FALSE(Menu->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(Menu->windowFlags() & Qt::WindowMaximizeButtonHint);
    Menu->show();
    EXPECT_EQ(Menu->minimumSize(), Menu->maximumSize());
    EXPECT_EQ(Menu->palette().color(QPalette::Window), QColor(224, 224, 224));
}

TEST_F(MainMenuTest, TheClockShowsTheCurrentTimeEverySecond)
{
    EXPECT_EQ(Menu->Timer1->interval(), 1000);
    EXPECT_TRUE(Menu->Timer1->isActive());
    Folder.Context.Now = [] { return QDateTime(QDate(2024, 1, 2), QTime(0, 0, 7)); };
    Menu->Timer1_Timer();
    EXPECT_EQ(Menu->LBTM1->text(), QStringLiteral("<00:00:07>"));
}

TEST_F(MainMenuTest, EveryEntryHasAWindowOfTheProgram)
{
    for (QMenu* menu : {Menu->F00, Menu->B00, Menu->V00, Menu->T00, Menu->H00}) {
        emit menu->aboutToShow();
        for (const QAction* action : menu->actions())
            EXPECT_TRUE(action->isSeparator() || action->isEnabled()) << action->text().toStdString();
    }
}

TEST(WindowRegistryDeath, OpeningANameWithoutAWindowFailsLoudly)
{
    EnsureApplication();
    WindowRegistry windows;
    EXPECT_DEATH(windows.ShowModeless(QStringLiteral("NoSuchWindow")), "No window is registered under the name \"NoSuchWindow\"");
}

TEST_F(MainMenuTest, GameStartOpensTheMeasurementScreenUntilEsc)
{
    QWidget* seen = nullptr;
    QTimer::singleShot(200, [&seen] {
        seen = QApplication::activeModalWidget();
        if (seen) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(seen, &escape);
        }
    });
    Menu->F08->trigger();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->windowTitle(), QStringLiteral("ずべろ　測定"));
    EXPECT_EQ(seen->geometry(), Menu->screen()->geometry()) << "the measurement screen fills the screen";
    EXPECT_FALSE(seen->isVisible());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, ModalEntriesBlockTheMenuAndReuseTheirWindow)
{
    FakeDialog* made = nullptr;
    int factoryCalls = 0;
    Menu->Windows.Register(WindowName::VVSET01, [&](QWidget* parent) {
        ++factoryCalls;
        return made = new FakeDialog(parent);
    });
    Menu->B04->trigger();
    Menu->B04->trigger();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(factoryCalls, 1);
    EXPECT_EQ(made->Shown, 2);
    EXPECT_TRUE(made->WasModal);
    EXPECT_EQ(made->parentWidget(), Menu.get());
}

TEST_F(MainMenuTest, TheScoreWindowsOpenBesideTheMenu)
{
    Menu->F50->trigger();
    Menu->F51->trigger();
    for (const QString& name : {WindowName::VVPRNOUT, WindowName::EVHYO30}) {
        QWidget* window = Menu->Windows.Existing(name);
        ASSERT_NE(window, nullptr) << name.toStdString();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->parent(), nullptr) << "keeps the program running when the menu closes";
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Runs `inside` on the modal window that opens in the meantime, then closes
// it with `key`.
void OnNextModal(std::function<void(QWidget*)> inside, int key, const QString& text = {}, int delay = 200)
{
    QTimer::singleShot(delay, [inside = std::move(inside), key, text] {
        QWidget* window = QApplication::activeModalWidget();
        inside(window);
        if (window) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(window, &press);
        }
    });
}

TEST_F(MainMenuTest, TheRankingBoardOpensFromTheMenuAndTheWaitingMeasurementScreen)
{
    QString seen;
    OnNextModal([&seen](QWidget* window) { seen = window ? window->windowTitle() : QString(); }, Qt::Key_A, QStringLiteral("a"));
    Menu->F30->trigger();
    EXPECT_EQ(seen, QStringLiteral("ずべろ　順位表"));

    QStringList nested;
    OnNextModal(
        [&nested](QWidget* screen) {
            ASSERT_NE(screen, nullptr);
            nested << screen->windowTitle();
            OnNextModal([&nested](QWidget* board) { nested << (board ? board->windowTitle() : QString()); }, Qt::Key_Space,
                        QStringLiteral(" "));
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(screen, &space);
        },
        Qt::Key_Escape);
    Menu->F08->trigger();
    EXPECT_EQ(nested, (QStringList{QStringLiteral("ずべろ　測定"), QStringLiteral("ずべろ　順位表")}));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, TheMeasurementLogOpensModal)
{
    QString seen;
    OnNextModal([&seen](QWidget* window) { seen = window ? window->windowTitle() : QString(); }, Qt::Key_Escape);
    Menu->V02->trigger();
    EXPECT_EQ(seen, QStringLiteral("測定ログ"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainMenuTest, TheScoreMonitorBrowsesFromTheMenuAndShowsTheEntrantJustStoredAfterAMeasurement)
{
    WriteLogOfTotals(Folder, {800, 900, 1000});
    Folder.Context.Contest.EntryNo = 3;
    Menu->F51->trigger();
    auto* monitor = dynamic_cast<ScoreMonitor*>(Menu->Windows.Existing(WindowName::EVHYO30));
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(monitor->CurrentEntrant(), 1);

    int shown = 0;
    bool modal = false;
    OnNextModal(
        [&](QWidget* window) {
            modal = window == monitor;
            shown = monitor->CurrentEntrant();
        },
        Qt::Key_Space);
    OpenScoreMonitor(Menu->Windows, ScoreMonitorRequest{OpenedAfterMeasurement}, Menu.get());
    EXPECT_TRUE(modal);
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(monitor->isVisible());

    Menu->F51->trigger();
    EXPECT_EQ(monitor->CurrentEntrant(), 1) << "the menu always browses";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    monitor->close();
}

TEST_F(MainMenuTest, QuitEndsTheProgramAtOnce)
{
    Menu->F05->trigger();
    EXPECT_TRUE(Folder.Context.EndRequested());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, HelpOpensTheHelpFileWithAnArgumentList)
{
    QString program;
    QStringList arguments;
    Menu->StartHelpViewer = [&](const QString& p, const QStringList& a) {
        program = p;
        arguments = a;
        return true;
    };
    Menu->H01->trigger();
    EXPECT_EQ(program, QStringLiteral("xdg-open"));
    EXPECT_EQ(arguments, QStringList{Folder.Path(QStringLiteral("zuv18.chm"))});
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, AViewerThatCannotStartIsReported)
{
    Menu->StartHelpViewer = [](const QString&, const QStringList&) { return false; };
    Menu->H01->trigger();
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text, QStringLiteral("ヘルプファイルが見つかりません！"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::None);
}

TEST_F(MainMenuTest, TheVersionWindowShowsTheVersionAndBothNoticesUntilOk)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* window = dynamic_cast<VersionWindow*>(Menu->Windows.Existing(WindowName::S_VERFRM));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("バージョン表示"));
        EXPECT_EQ(window->Label1->text(), QStringLiteral("大声大会ソフト"));
        EXPECT_EQ(window->Label3->text(), QStringLiteral("バージョン　1.34"));
        EXPECT_EQ(window->Label2->text(), QStringLiteral("Last Update 2015/11/23"));
        EXPECT_EQ(window->TXT1->toPlainText(), ProgramNotice());
        EXPECT_TRUE(ProgramNotice().contains(QStringLiteral("最大値と積算値"))) << "the system's term for the second score";
        EXPECT_EQ(window->TXT2->toPlainText(), HelpNotice());
        EXPECT_TRUE(window->TXT1->isReadOnly() && window->TXT2->isReadOnly());
        EXPECT_EQ(window->CmdOk->text(), QStringLiteral("ＯＫ"));
        checked = true;
        window->CmdOk->click();
    });
    Menu->H02->trigger();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Menu->Windows.Existing(WindowName::S_VERFRM)->isVisible());
}

TEST_F(MainMenuTest, TheSettingsEntriesOpenTheirWindowsWithTheSystemsVolumeCommands)
{
    Folder.Context.RecVolumeCommand = QStringLiteral("mixer --record");
    Folder.Context.PlayVolumeCommand = QStringLiteral("mixer --play");
    QStringList started;
    QStringList titles;
    const StartProgram record = [&started](const QString& program, const QStringList& arguments) {
        started.append(program + u' ' + arguments.join(u' '));
        return true;
    };
    const auto pressVolumeAndClose = [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        titles.append(window->windowTitle());
        if (auto* sound = dynamic_cast<SoundSettingsWindow*>(window)) {
            sound->StartVolumeControl = record;
            sound->CmdVol->click();
        }
        if (auto* mic = dynamic_cast<MicrophoneSettingsWindow*>(window)) {
            mic->StartVolumeControl = record;
            mic->CmdVol->click();
        }
        window->close();
    };
    for (QAction* entry : {Menu->B04, Menu->B05, Menu->B06, Menu->B07, Menu->V16}) {
        QTimer::singleShot(0, pressVolumeAndClose);
        entry->trigger();
    }
    EXPECT_EQ(titles, (QStringList{QStringLiteral("環境設定　基本設定"), QStringLiteral("環境設定　画面"),
                                   QStringLiteral("環境設定　サウンド"), QStringLiteral("環境設定　マイク"),
                                   QStringLiteral("特殊設定　（効果）")}));
    EXPECT_EQ(started, (QStringList{QStringLiteral("mixer --play"), QStringLiteral("mixer --record")}));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}
