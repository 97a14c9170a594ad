#include "app/Windows.h"
#include "app/VersionWindow.h"
#include "entrants/EntrantsWindow.h"
#include "app/MainMenu.h"
#include "app/StartUp.h"
#include "help/HelpWindow.h"
#include "report/ScoreSheetOutput.h"
#include "results/ScoreMonitor.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"

#include "support/AppTestFolder.h"
#include "support/ResultLog.h"
#include "support/WidgetTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
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
        Menu->LoadAtStart();
    }

    // Captions of a menu as "caption" per entry and "-" per separator.
    static QStringList Captions(const QMenu* menu)
    {
        if (!menu)
            return {};
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

    QAction* Entry(const char* role) const { return Menu->findChild<QAction*>(QLatin1String(role)); }
    QMenu* SubMenu(const char* role) const { return Menu->findChild<QMenu*>(QLatin1String(role)); }

    Windows& Opened() const { return Menu->OpenWindows(); }

    AppTestFolder Folder;
    std::unique_ptr<MainMenu> Menu;
};

}

TEST_F(MainMenuTest, HasTheTitlesAndEveryEntryWithItsMnemonic)
{
    EXPECT_EQ(Menu->windowTitle(), QStringLiteral("ずべろ"));
    QStringList labels;
    for (const QLabel* label : Menu->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("大声大会用ソフトウェア")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Zuvelo Ver 1.34 for Linux")));
    EXPECT_TRUE(labels.contains(QStringLiteral("ずべろ")));

    QStringList topLevel;
    for (const QAction* action : Menu->menuBar()->actions())
        topLevel << action->text();
    EXPECT_EQ(topLevel, (QStringList{"ﾌﾟﾚｲ(&A)", "環境(&B)", "特殊(&C)", "ﾂｰﾙ(&D)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(Captions(SubMenu("playMenu")), (QStringList{"ｹﾞｰﾑ開始(&A)", "順位表示(&B)", "成績出力(&C)", "成績ﾓﾆﾀｰ(&D)", "名簿(&N)",
                                                "会場QR表示(&F)", "-", "ﾃﾞｰﾀｸﾘｱ(&E)", "-", "終了(&Q)"}));
    EXPECT_EQ(Captions(SubMenu("settingsMenu")), (QStringList{"基本(&A)", "画面(&B)", "ｻｳﾝﾄﾞ(&C)", "ﾏｲｸ設定(&D)"}));
    EXPECT_EQ(Captions(SubMenu("specialMenu")), (QStringList{"効果(&A)", "ﾛｸﾞ(&B)"}));
    EXPECT_EQ(Captions(SubMenu("toolsMenu")), (QStringList{"設定初期化(&A)"}));
    EXPECT_EQ(Captions(SubMenu("helpMenu")), (QStringList{"ﾍﾙﾌﾟ(&H)", "ﾊﾞｰｼﾞｮﾝ表示(&A)"}));
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
    auto* timer = Menu->findChild<QTimer*>(QStringLiteral("clockTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    Folder.Context.Now = [] { return QDateTime(QDate(2024, 1, 2), QTime(0, 0, 7)); };
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(Menu->findChild<QLabel*>(QStringLiteral("clockLabel"))->text(), QStringLiteral("<00:00:07>"));
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
    Entry("startGameEntry")->trigger();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->windowTitle(), QStringLiteral("ずべろ　測定"));
    EXPECT_EQ(seen->geometry(), Menu->screen()->geometry()) << "the measurement screen fills the screen";
    EXPECT_FALSE(seen->isVisible());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, ModalEntriesBlockTheMenuAndReuseTheirWindow)
{
    std::vector<QWidget*> shown;
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, [&shown] {
            shown.push_back(QApplication::activeModalWidget());
            if (shown.back())
                shown.back()->close();
        });
        Entry("basicSettingsEntry")->trigger();
    }
    QWidget* window = &Opened().basicSettings(nullptr);
    EXPECT_EQ(shown, (std::vector<QWidget*>{window, window}));
    EXPECT_EQ(window->parentWidget(), Menu.get());
}

TEST_F(MainMenuTest, TheScoreWindowsOpenBesideTheMenu)
{
    Entry("scoreSheetEntry")->trigger();
    Entry("scoreMonitorEntry")->trigger();
    for (QWidget* window : {static_cast<QWidget*>(&Opened().scoreSheetOutput()), static_cast<QWidget*>(&Opened().scoreMonitor())}) {
        EXPECT_TRUE(window->isVisible()) << window->windowTitle().toStdString();
        EXPECT_EQ(window->parent(), nullptr) << "keeps the program running when the menu closes";
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainMenuTest, TheListOfEntrantsStaysOpenBesideTheMenuWithoutBlockingIt)
{
    Entry("entrantsEntry")->trigger();
    QWidget* window = &Opened().entrantsWindow(nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), Menu.get());
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
    Entry("rankingBoardEntry")->trigger();
    EXPECT_EQ(seen, QStringLiteral("ずべろ　順位表"));

    QStringList nested;
    OnNextModal(
        [&nested](QWidget* screen) {
            ASSERT_NE(screen, nullptr);
            nested << screen->windowTitle();
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(screen, &space);
            // The board shows at once, over the screen, until a key closes it.
            QWidget* board = QApplication::activeModalWidget();
            ASSERT_NE(board, screen);
            nested << board->windowTitle();
            QCoreApplication::sendEvent(board, &space);
            EXPECT_EQ(QApplication::activeModalWidget(), screen);
        },
        Qt::Key_Escape);
    Entry("startGameEntry")->trigger();
    EXPECT_EQ(nested, (QStringList{QStringLiteral("ずべろ　測定"), QStringLiteral("ずべろ　順位表")}));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, TheMeasurementLogOpensModal)
{
    QString seen;
    OnNextModal([&seen](QWidget* window) { seen = window ? window->windowTitle() : QString(); }, Qt::Key_Escape);
    Entry("measurementLogEntry")->trigger();
    EXPECT_EQ(seen, QStringLiteral("測定ログ"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainMenuTest, TheScoreMonitorBrowsesFromTheMenuAndShowsTheEntrantJustStoredAfterAMeasurement)
{
    WriteLogOfTotals(Folder, {800, 900, 1000});
    Folder.Context.Contest.EntryNo = 3;
    Entry("scoreMonitorEntry")->trigger();
    ScoreMonitor* monitor = &Opened().scoreMonitor();
    EXPECT_EQ(monitor->CurrentEntrant(), 1);

    int shown = 0;
    bool modal = false;
    OnNextModal(
        [&](QWidget* window) {
            modal = window == monitor;
            shown = monitor->CurrentEntrant();
        },
        Qt::Key_Space);
    Opened().OpenScoreMonitor(ScoreMonitorRequest{OpenedAfterMeasurement, 2});
    EXPECT_TRUE(monitor->isVisible()) << "opened without waiting for its close";
    EXPECT_TRUE(HandleEventsUntil([monitor] { return !monitor->isVisible(); }, 5000));
    EXPECT_TRUE(modal);
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(monitor->isVisible());

    Entry("scoreMonitorEntry")->trigger();
    EXPECT_EQ(monitor->CurrentEntrant(), 1) << "the menu always browses";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    monitor->close();
}

TEST_F(MainMenuTest, QuitEndsTheProgramAtOnce)
{
    Entry("quitEntry")->trigger();
    EXPECT_TRUE(Folder.Context.EndRequested());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MainMenuTest, HelpOpensTheHelpWindowBesideTheMenuOnTheContents)
{
    Menu->SetManualFolders({Folder.Path(QStringLiteral("manual")), QStringLiteral(ZUVELO_MANUAL_SOURCE)});
    Entry("helpEntry")->trigger();
    auto* help = Menu->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the menu stays usable";
    EXPECT_EQ(help->windowTitle(), QStringLiteral("ずべろ　ヘルプ"));
    EXPECT_EQ(help->findChild<QTextBrowser*>(QStringLiteral("pageView"))->source().fileName(),
              QStringLiteral("index.html"));
    EXPECT_TRUE(Folder.Messages.Messages.empty());

    help->close();
    Entry("helpEntry")->trigger();
    EXPECT_EQ(Menu->findChildren<HelpWindow*>().size(), 1) << "one help window, shown again";
    EXPECT_TRUE(help->isVisible());
    help->close();
}

TEST_F(MainMenuTest, AMissingManualIsReportedWithTheFoldersLookedIn)
{
    Menu->SetManualFolders({Folder.Path(QStringLiteral("share/zuvelo/manual")), Folder.Path(QStringLiteral("manual"))});
    Entry("helpEntry")->trigger();
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text, QStringLiteral("ヘルプファイルが見つかりません！\n") +
                                                    Folder.Path(QStringLiteral("share/zuvelo/manual")) + u'\n' +
                                                    Folder.Path(QStringLiteral("manual")));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::None);
    EXPECT_EQ(Menu->findChild<HelpWindow*>(), nullptr);
}

TEST_F(MainMenuTest, TheVersionWindowShowsTheVersionAndBothNoticesUntilOk)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        VersionWindow* window = &Opened().versionWindow(nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("バージョン表示"));
        const auto text = [window](const char* role) { return window->findChild<QLabel*>(QLatin1String(role))->text(); };
        EXPECT_EQ(text("productLabel"), QStringLiteral("大声大会ソフト"));
        EXPECT_EQ(text("versionLabel"), QStringLiteral("バージョン　1.34 for Linux"));
        EXPECT_EQ(text("lastUpdateLabel"), QStringLiteral("Last Update 2015/11/23"));
        auto* programNotice = window->findChild<QPlainTextEdit*>(QStringLiteral("programNoticeBox"));
        auto* helpNotice = window->findChild<QPlainTextEdit*>(QStringLiteral("helpNoticeBox"));
        EXPECT_EQ(programNotice->toPlainText(), ProgramNotice());
        EXPECT_TRUE(ProgramNotice().contains(QStringLiteral("最大値と積算値"))) << "the system's term for the second score";
        EXPECT_EQ(helpNotice->toPlainText(), HelpNotice());
        EXPECT_TRUE(programNotice->isReadOnly() && helpNotice->isReadOnly());
        auto* ok = window->findChild<QPushButton*>(QStringLiteral("okButton"));
        EXPECT_EQ(ok->text(), QStringLiteral("ＯＫ"));
        checked = true;
        ok->click();
    });
    Entry("versionEntry")->trigger();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Opened().versionWindow(nullptr).isVisible());
}

TEST_F(MainMenuTest, TheSettingsEntriesOpenTheirWindowsWithTheSystemsVolumeCommands)
{
    Folder.Context.RecVolumeCommand = QStringLiteral("mixer --record");
    Folder.Context.PlayVolumeCommand = QStringLiteral("mixer --play");
    QStringList started;
    QStringList titles;
    const ProgramStart record = [&started](const QString& program, const QStringList& arguments) {
        started.append(program + u' ' + arguments.join(u' '));
        return true;
    };
    const auto pressVolumeAndClose = [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        titles.append(window->windowTitle());
        if (auto* sound = dynamic_cast<SoundSettingsWindow*>(window))
            sound->SetVolumeControlStart(record);
        if (auto* mic = dynamic_cast<MicrophoneSettingsWindow*>(window))
            mic->SetVolumeControlStart(record);
        if (auto* volume = window->findChild<QPushButton*>(QStringLiteral("volumeButton")))
            volume->click();
        window->close();
    };
    for (const char* role :
         {"basicSettingsEntry", "screenSettingsEntry", "soundSettingsEntry", "microphoneSettingsEntry", "effectSettingsEntry"}) {
        QTimer::singleShot(0, pressVolumeAndClose);
        Entry(role)->trigger();
    }
    EXPECT_EQ(titles, (QStringList{QStringLiteral("環境設定　基本設定"), QStringLiteral("環境設定　画面"),
                                   QStringLiteral("環境設定　サウンド"), QStringLiteral("環境設定　マイク"),
                                   QStringLiteral("特殊設定　（効果）")}));
    EXPECT_EQ(started, (QStringList{QStringLiteral("mixer --play"), QStringLiteral("mixer --record")}));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}
