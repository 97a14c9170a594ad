// The four full-screen windows on a desk of two screens: they cover the
// screen chosen for the audience, the operator's windows stay on the
// operator's screen, and a projector that is missing or unplugged gives the
// menu's screen.
#include "measure/MeasurementScreen.h"
#include "widgets/ClickLabel.h"
#include "widgets/QtMessageBox.h"
#include "widgets/ScreenChoice.h"
#include "results/LoudnessGraph.h"
#include "results/RankingBoard.h"
#include "results/ResultDisplay.h"
#include "results/ScoreMonitor.h"
#include "settings/ScreenSettingsWindow.h"
#include "core/ProgramOptions.h"
#include "support/FakeRecorder.h"
#include "support/WidgetTestSupport.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// One application for the whole program, on the screens of TwoScreens.json:
// "Operator" 1280×800 at (0, 0) and "Projector" 1024×768 to its right.
void EnsureTwoScreens()
{
    static int argc = 3;
    static char name[] = "audience_screen_tests";
    static char option[] = "-platform";
    static char platform[] = "offscreen:configfile=" TWO_SCREENS_CONFIG;
    static char* argv[] = {name, option, platform, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

QScreen* ScreenCalled(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

class AudienceScreen : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTwoScreens();
        Operator = ScreenCalled(QStringLiteral("Operator"));
        Projector = ScreenCalled(QStringLiteral("Projector"));
        ASSERT_TRUE(Operator && Projector) << "the offscreen platform did not take TwoScreens.json";
        WriteInstalledFolder(Folder);
        Context.Settings.Basic.SoundOn = false;
        SaveBasicSettings(Context);
        Context.Contest.EntryNo = 1;
        Menu = std::make_unique<QWidget>();
        Menu->setGeometry(QRect(Operator->geometry().topLeft() + QPoint(100, 100), QSize(400, 300)));
        Menu->show();
        Settle();
    }

    void ChooseAudienceScreen(const QString& name) { ASSERT_FALSE(SaveProgramOptions(Context, {QString(), {name, {}, {}, {}, {}}})); }

    // Each full-screen window as the menu's windows own it.
    std::vector<std::unique_ptr<FullScreenWindow>> FourWindows()
    {
        std::vector<std::unique_ptr<FullScreenWindow>> windows;
        windows.push_back(std::make_unique<MeasurementScreen>(Context, Menu.get(), std::make_unique<FakeRecorder>(Recorder)));
        windows.push_back(std::make_unique<ResultDisplay>(Context, Menu.get()));
        windows.push_back(std::make_unique<RankingBoard>(Context, Menu.get()));
        windows.push_back(std::make_unique<ScoreMonitor>(Context, Menu.get()));
        return windows;
    }

    // The window covers `screen` and has laid every control out within it.
    static void ExpectCovers(const FullScreenWindow& window, const QScreen* screen)
    {
        SCOPED_TRACE(window.windowTitle().toStdString());
        EXPECT_EQ(window.screen(), screen);
        EXPECT_EQ(window.geometry(), screen->geometry());
        EXPECT_EQ(QSize(window.ScreenWidth(), window.ScreenHeight()), screen->size());
        EXPECT_TRUE(window.rect().contains(window.childrenRect())) << "controls placed for another screen's size";
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    FakeRecorder::Log Recorder;
    // The operator's window the others are opened from.
    std::unique_ptr<QWidget> Menu;
    QScreen* Operator = nullptr;
    QScreen* Projector = nullptr;
};

}

TEST_F(AudienceScreen, EachFullScreenWindowCoversTheChosenScreenAndTheMenuStays)
{
    ChooseAudienceScreen(QStringLiteral("Projector"));
    for (const auto& window : FourWindows()) {
        window->show();
        ExpectCovers(*window, Projector);
        window->hide();
    }
    EXPECT_EQ(Menu->screen(), Operator);
}

TEST_F(AudienceScreen, WithoutAChoiceOrWithTheChosenScreenMissingTheMenusScreenIsCovered)
{
    for (const QString& choice : {QString(), QStringLiteral("HDMI-9")}) {
        ChooseAudienceScreen(choice);
        for (const auto& window : FourWindows()) {
            window->show();
            ExpectCovers(*window, Operator);
            window->hide();
        }
    }
    // The menu's screen, even when that is not the primary one; a window
    // opened without an owner goes by the active window.
    Menu->move(Projector->geometry().topLeft() + QPoint(50, 50));
    Menu->activateWindow();
    Settle();
    ASSERT_EQ(Menu->screen(), Projector);
    RankingBoard board(Context, Menu.get());
    board.show();
    ExpectCovers(board, Projector);
    board.hide();
    ScoreMonitor monitor(Context);
    monitor.show();
    ExpectCovers(monitor, Projector);
}

TEST_F(AudienceScreen, AWindowWhoseScreenGoesAwayMovesToTheMenusScreenAndGoesOn)
{
    ChooseAudienceScreen(QStringLiteral("Projector"));
    ResultDisplay display(Context, Menu.get());
    display.SetEntrant(MeasuredNow(Context, 1, MeasureResult{8000, 0, 0, Points{600}, Points{634}, Points{1234}}));
    display.show();
    MeasurementScreen screen(Context, Menu.get(), std::make_unique<FakeRecorder>(Recorder));
    screen.show();
    screen.ShowState(Stopped);
    const auto* band = screen.findChild<QLabel*>(QStringLiteral("measureBand"));
    ASSERT_NE(band, nullptr);
    const QString stoppedText = band->text();

    emit qApp->screenRemoved(Operator);
    EXPECT_EQ(display.screen(), Projector) << "another screen went away";

    emit qApp->screenRemoved(Projector);
    for (const FullScreenWindow* window : {static_cast<FullScreenWindow*>(&display), static_cast<FullScreenWindow*>(&screen)}) {
        EXPECT_TRUE(window->isVisible());
        ExpectCovers(*window, Operator);
    }
    const auto* rank = display.findChild<QLabel*>(QStringLiteral("rankLabel"));
    ASSERT_NE(rank, nullptr);
    EXPECT_EQ(rank->text(), QStringLiteral(" 1位/ 1人中"));
    EXPECT_EQ(rank->geometry().right() + 1, Operator->size().width());
    EXPECT_EQ(band->text(), stoppedText);
    EXPECT_EQ(Context.Contest.EntryNo, 1) << "nothing stored before the operator goes on";
}

TEST_F(AudienceScreen, WhenTheMenusScreenGoesAwayTooAWindowTakesAScreenLeft)
{
    const QList<QScreen*> both{Operator, Projector};
    EXPECT_EQ(ScreenAfterRemoval(both, Projector, Projector, Operator), Operator);
    EXPECT_EQ(ScreenAfterRemoval(both, Operator, Operator, Operator), Projector);
    EXPECT_EQ(ScreenAfterRemoval({Operator}, Operator, Operator, Operator), nullptr);
    EXPECT_EQ(ScreenAfterRemoval(both, Projector, Operator, Operator), nullptr);
}

TEST_F(AudienceScreen, TheScreenSettingsListTheScreensAndRegisterTheChoiceConnectedOrNot)
{
    ScreenSettingsWindow window(Context, Menu.get());
    window.show();
    auto* box = window.findChild<QComboBox*>(QStringLiteral("audienceScreenBox"));
    ASSERT_NE(box, nullptr);
    const auto registerWindow = [&] {
        Folder.Messages.Answer(MessageAnswer::Yes);
        window.findChild<QPushButton*>(QStringLiteral("registerButton"))->click();
        EXPECT_FALSE(window.isVisible());
    };
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    EXPECT_EQ(items, QStringList({QStringLiteral("メニューと同じ画面"), QStringLiteral("Operator (1280×800)"),
                                  QStringLiteral("Projector (1024×768)")}));
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(window.screen(), Operator);

    box->setCurrentIndex(2);
    registerWindow();
    EXPECT_EQ(LoadProgramOptions(Context).AudienceScreen.Name, QStringLiteral("Projector"));

    // A projector unplugged while the colours are edited stays the choice.
    ChooseAudienceScreen(QStringLiteral("HDMI-9"));
    window.show();
    EXPECT_EQ(box->currentText(), QStringLiteral("HDMI-9 (未接続)"));
    registerWindow();
    EXPECT_EQ(LoadProgramOptions(Context).AudienceScreen.Name, QStringLiteral("HDMI-9"));
}

TEST_F(AudienceScreen, AScreenFoundOnlyByItsPlaceIsChosenAndSaidSo)
{
    // Chosen in a Wayland session; XWayland names it otherwise and reports no monitor.
    const ScreenIdentity wayland{QStringLiteral("HDMI-A-1"), QStringLiteral("EPSON"), QStringLiteral("EB-X51"), {},
                                 Projector->geometry()};
    ASSERT_FALSE(SaveProgramOptions(Context, {QString(), wayland}));
    RankingBoard board(Context, Menu.get());
    board.show();
    ExpectCovers(board, Projector);
    board.hide();

    ScreenSettingsWindow window(Context, Menu.get());
    window.show();
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("audienceScreenBox"))->currentText(),
              QStringLiteral("Projector (1024×768)"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("matchLabel"))->text(), QStringLiteral("Projector に表示（位置と大きさが一致）"));
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.findChild<QPushButton*>(QStringLiteral("registerButton"))->click();
    // Stored again under this session's name, the monitor kept for the next session that reports it.
    const ScreenIdentity stored = LoadProgramOptions(Context).AudienceScreen;
    EXPECT_EQ(stored.Name, QStringLiteral("Projector"));
    EXPECT_EQ(stored.Model, wayland.Model);
    EXPECT_EQ(stored.Geometry, Projector->geometry());
}

TEST_F(AudienceScreen, AMessageAfterAClickOnTheAudienceScreenOpensOverTheMenu)
{
    ChooseAudienceScreen(QStringLiteral("Projector"));
    MeasurementScreen screen(Context, Menu.get(), std::make_unique<FakeRecorder>(Recorder));
    screen.show();
    screen.activateWindow();
    Settle();
    ASSERT_EQ(QApplication::activeWindow(), &screen);
    QtMessageBox messages;
    messages.SetOperatorWindow(Menu.get());
    QWidget* owner = nullptr;
    QScreen* shownOn = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        shownOn = box->screen();
        box->close();
    });
    messages.Show(QStringLiteral("データをクリアしてください！"), {}, MessageIcon::Error, MessageButtons::Ok);
    EXPECT_EQ(owner, Menu.get());
    EXPECT_EQ(shownOn, Operator);

    // On the operator's own screen the window for the audience keeps it, in front of it.
    ChooseAudienceScreen(QString());
    screen.hide();
    screen.show();
    screen.activateWindow();
    Settle();
    QTimer::singleShot(0, [&] {
        owner = QApplication::activeModalWidget()->parentWidget();
        QApplication::activeModalWidget()->close();
    });
    messages.Show(QStringLiteral("データをクリアしてください！"), {}, MessageIcon::Error, MessageButtons::Ok);
    EXPECT_EQ(owner, &screen);
}

TEST_F(AudienceScreen, TheGraphScaleEndsInsideTheMonitorOnEveryScreenSize)
{
    const GraphLook look{false, 10, 30};
    for (const QSize size : {QSize(1280, 720), QSize(1920, 1080), QSize(3840, 2160), QSize(1024, 768)}) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        {
            QPainter painter(&picture);
            DrawGraphScale(painter, size, look);
        }
        // The time labels under the frame: "30.0" last.
        const int top = qCeil(GraphTransform(size).map(QPointF(0, GraphHalfHeight)).y()) + 3;
        int rightmostInk = -1;
        for (int y = top; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (picture.pixelColor(x, y) != Qt::white)
                    rightmostInk = std::max(rightmostInk, x);
            }
        }
        EXPECT_GT(rightmostInk, size.width() * 9 / 10) << size.width() << "×" << size.height() << ": the last label is drawn";
        EXPECT_LT(rightmostInk, size.width() - 1) << size.width() << "×" << size.height() << ": the last label is cut";
    }
}
