// The settings windows opened from a menu on a 1024×600, an 800×600 and a
// 1920×1080 screen: within the free area with every button in reach; on the
// large screen as they always were, also once a microphone test filled one.
#include "core/WavHeader.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/MicrophoneTestRun.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"
#include "support/FakeClock.h"
#include "support/FakeRecorder.h"
#include "support/TestFolder.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <gtest/gtest.h>

namespace {

class SettingsOnScreen : public testing::TestWithParam<std::tuple<std::string, std::string>> {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 3;
        static char name[] = "settings_screen_tests";
        static char option[] = "-platform";
        static char platform[] = "offscreen:configfile=" SETTINGS_SCREENS_CONFIG;
        static char* argv[] = {name, option, platform, nullptr};
        static QApplication* application = new QApplication(argc, argv);
        (void)application;
    }

    std::unique_ptr<SettingsDialog> Open(const std::string& kind)
    {
        for (QScreen* screen : QGuiApplication::screens())
            Screen = screen->name().toStdString() == std::get<1>(GetParam()) ? screen : Screen;
        WriteInstalledFolder(Folder);
        Menu.setGeometry(QRect(Screen->geometry().topLeft() + QPoint(100, 100), QSize(400, 300)));
        Menu.show();
        if (kind == "Basic")
            return std::make_unique<BasicSettingsWindow>(Folder.Context, &Menu);
        if (kind == "Screen")
            return std::make_unique<ScreenSettingsWindow>(Folder.Context, &Menu);
        if (kind == "Sound")
            return std::make_unique<SoundSettingsWindow>(Folder.Context, QString(), &Menu);
        if (kind == "Effect")
            return std::make_unique<EffectSettingsWindow>(Folder.Context, &Menu);
        return std::make_unique<MicrophoneSettingsWindow>(Folder.Context, QString(), &Menu, std::make_unique<FakeRecorder>(Recorder),
                                                          Clock);
    }

    TestFolder Folder;
    FakeRecorder::Log Recorder;
    FakeClock Clock;
    QWidget Menu;
    QScreen* Screen = QGuiApplication::primaryScreen();
};

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

}

TEST_P(SettingsOnScreen, FitsTheFreeAreaWithEveryButtonInReach)
{
    std::unique_ptr<SettingsDialog> window = Open(std::get<0>(GetParam()));
    window->show();
    Settle();
    if (std::get<0>(GetParam()) == "MicrophoneAfterTest") {
        // A test's recording fills the header list and adds a line of scores.
        Folder.Write(QStringLiteral("mksrc.wav"), MakeRecordingHeader(8000, 8, 0));
        Recorder.Signal = QByteArray(24000, char(200));
        window->findChild<QPushButton*>(QStringLiteral("testButton"))->click();
        auto* test = window->findChild<MicrophoneTestRun*>();
        Clock.RunUntil([test] { return !test->Testing(); });
        ASSERT_FALSE(window->findChild<QWidget*>(QStringLiteral("totalScore"))->isHidden());
        Settle();
    }
    const std::string title = window->windowTitle().toStdString();
    ASSERT_EQ(window->screen()->name().toStdString(), std::get<1>(GetParam()));
    EXPECT_TRUE(Screen->availableGeometry().contains(window->frameGeometry())) << title;
    auto* scroller = window->findChild<QScrollArea*>();
    EXPECT_TRUE(!scroller || Screen->size().height() < 1080) << title << " scrolls on a large screen";
    if (!scroller) {
        EXPECT_EQ(window->size(), window->sizeHint()) << title << " is not at the size of its controls";
    } else {
        // Each direction shows all of the controls or as much as it may.
        const QSize shown = scroller->viewport()->size();
        const QSize controls = scroller->widget()->size();
        EXPECT_TRUE(shown.width() >= controls.width() || window->width() == window->maximumWidth()) << title;
        EXPECT_TRUE(shown.height() >= controls.height() || window->height() == window->maximumHeight()) << title;
    }
    ASSERT_TRUE(window->findChild<QPushButton*>(QStringLiteral("registerButton")));
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (scroller && button->isVisibleTo(window.get()))
            scroller->ensureWidgetVisible(button, 0, 0);
        EXPECT_TRUE(!button->isVisibleTo(window.get()) || button->visibleRegion() == QRegion(button->rect()))
            << title << ": " << button->text().toStdString() << " out of reach";
    }
}

INSTANTIATE_TEST_SUITE_P(EachWindowOnEachScreen, SettingsOnScreen,
                         testing::Combine(testing::Values("Basic", "Screen", "Sound", "Effect", "Microphone", "MicrophoneAfterTest"),
                                          testing::Values("Netbook", "Small", "FullHD")),
                         [](const auto& info) { return std::get<0>(info.param) + "On" + std::get<1>(info.param); });
