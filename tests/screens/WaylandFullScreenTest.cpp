// The four full-screen windows under a real Wayland compositor (weston with
// two outputs, started by the test command): chosen as 表示先, each output is
// covered exactly, as the compositor configures the window and reports the
// output it shows on. A compositor ignores positions, so a window that only
// placed itself would land on the compositor's choice of output, under its
// panel.
#include "measure/MeasurementScreen.h"
#include "results/RankingBoard.h"
#include "results/ResultDisplay.h"
#include "results/ScoreMonitor.h"
#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"
#include "support/FakeRecorder.h"
#include "support/WidgetTestSupport.h"

#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class WaylandFullScreen : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return;
        qputenv("QT_QPA_PLATFORM", "wayland");
        EnsureApplication();
    }

    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            GTEST_SKIP() << "WAYLAND_DISPLAY is not set: no Wayland compositor to show the windows on";
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the compositor has not two outputs";
        WriteInstalledFolder(Folder);
        Context.Settings.Basic.SoundOn = false;
        SaveBasicSettings(Context);
        Context.Contest.EntryNo = 1;
    }

    std::vector<std::unique_ptr<FullScreenWindow>> FourWindows()
    {
        std::vector<std::unique_ptr<FullScreenWindow>> windows;
        windows.push_back(std::make_unique<MeasurementScreen>(Context, nullptr, std::make_unique<FakeRecorder>(Recorder)));
        windows.push_back(std::make_unique<ResultDisplay>(Context, nullptr));
        windows.push_back(std::make_unique<RankingBoard>(Context, nullptr));
        windows.push_back(std::make_unique<ScoreMonitor>(Context, nullptr));
        return windows;
    }

    // Shows the window and waits until the compositor has configured it as
    // full screen on `output` (or a few seconds have passed).
    static void ShowAndSettle(FullScreenWindow& window, const QScreen* output)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QWindow* surface = window.windowHandle();
        // The checks after this say what was not reached.
        (void)QTest::qWaitFor([&] {
            return surface->screen() == output && surface->size() == output->size() &&
                   surface->windowStates().testFlag(Qt::WindowFullScreen);
        });
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    FakeRecorder::Log Recorder;
};

}

TEST_F(WaylandFullScreen, EachWindowCoversTheOutputChosenForTheAudience)
{
    for (QScreen* output : QGuiApplication::screens()) {
        ASSERT_TRUE(SaveProgramOptions(Context, {QString(), IdentityOf(*output)}));
        for (const auto& window : FourWindows()) {
            SCOPED_TRACE((window->metaObject()->className() + QStringLiteral(" on ") + output->name()).toStdString());
            ShowAndSettle(*window, output);
            const QWindow* surface = window->windowHandle();
            EXPECT_EQ(surface->screen(), output) << "the compositor shows it on " << surface->screen()->name().toStdString();
            EXPECT_EQ(surface->size(), output->size());
            EXPECT_TRUE(surface->windowStates().testFlag(Qt::WindowFullScreen)) << "a plain window, under the panel";
            EXPECT_EQ(QSize(window->ScreenWidth, window->ScreenHeight), output->size());
            EXPECT_TRUE(window->rect().contains(window->childrenRect())) << "controls laid out beyond the window";
            window->hide();
        }
    }
}
