// The settings windows on a netbook's screen of 1024×600, as the offscreen
// platform lays it out from SmallScreen.json: each stays within the screen's
// free area with its register button in view.
#include "settings/BasicSettingsWindow.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"
#include "support/FakeRecorder.h"
#include "support/TestFolder.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <gtest/gtest.h>

namespace {

void EnsureSmallScreen()
{
    static int argc = 3;
    static char name[] = "small_screen_tests";
    static char option[] = "-platform";
    static char platform[] = "offscreen:configfile=" SMALL_SCREEN_CONFIG;
    static char* argv[] = {name, option, platform, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

}

TEST(SmallScreen, EachSettingsWindowFitsWithItsRegisterButtonInView)
{
    EnsureSmallScreen();
    TestFolder folder;
    WriteInstalledFolder(folder);
    FakeRecorder::Log recorder;
    std::vector<std::unique_ptr<QDialog>> windows;
    windows.push_back(std::make_unique<BasicSettingsWindow>(folder.Context));
    windows.push_back(std::make_unique<ScreenSettingsWindow>(folder.Context));
    windows.push_back(std::make_unique<SoundSettingsWindow>(folder.Context, QString()));
    windows.push_back(std::make_unique<EffectSettingsWindow>(folder.Context));
    windows.push_back(std::make_unique<MicrophoneSettingsWindow>(folder.Context, QString(), nullptr,
                                                                 std::make_unique<FakeRecorder>(recorder)));
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(room.size(), QSize(1024, 600));
    for (const auto& window : windows) {
        window->show();
        QCoreApplication::processEvents();
        const QString name = window->windowTitle();
        EXPECT_TRUE(room.contains(window->geometry())) << name.toStdString() << " at " << window->geometry().x() << ","
                                                      << window->geometry().y() << " " << window->width() << "x"
                                                      << window->height();
        const auto* registerButton = window->findChild<QPushButton*>(QStringLiteral("registerButton"));
        ASSERT_NE(registerButton, nullptr) << name.toStdString();
        const auto* scroller = window->findChild<QScrollArea*>();
        ASSERT_NE(scroller, nullptr) << name.toStdString();
        const QWidget* view = scroller->viewport();
        const QRect inView(registerButton->mapTo(view, QPoint()), registerButton->size());
        EXPECT_TRUE(view->rect().contains(inView)) << name.toStdString() << " button at " << inView.x() << "," << inView.y()
                                                   << " in " << view->width() << "x" << view->height();
        window->hide();
    }
}
