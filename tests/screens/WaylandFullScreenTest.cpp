// The full-screen windows under weston with two outputs (started by the test
// command): a compositor ignores positions, so only a window that asks for
// full screen on its output covers it rather than landing, as a plain window
// under the panel, on the output of the compositor's choice.
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

TEST(WaylandFullScreen, EachWindowCoversTheOutputChosenForTheAudienceAsTheCompositorConfiguresIt)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        GTEST_SKIP() << "WAYLAND_DISPLAY is not set: no Wayland compositor to show the windows on";
    qputenv("QT_QPA_PLATFORM", "wayland");
    EnsureApplication();
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the compositor has not two outputs";
    TestFolder folder;
    WriteInstalledFolder(folder);
    FakeRecorder::Log recorder;
    for (QScreen* output : QGuiApplication::screens()) {
        ASSERT_TRUE(SaveProgramOptions(folder.Context, {QString(), IdentityOf(*output)}));
        std::unique_ptr<FullScreenWindow> windows[] = {
            std::make_unique<MeasurementScreen>(folder.Context, nullptr, std::make_unique<FakeRecorder>(recorder)),
            std::make_unique<ResultDisplay>(folder.Context, nullptr), std::make_unique<RankingBoard>(folder.Context, nullptr),
            std::make_unique<ScoreMonitor>(folder.Context, nullptr)};
        for (const auto& window : windows) {
            SCOPED_TRACE(window->metaObject()->className() + (" on " + output->name().toStdString()));
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            // Until the compositor's configure and its report of the output shown on.
            const QWindow* surface = window->windowHandle();
            (void)QTest::qWaitFor([&] { return surface->screen() == output && surface->windowStates() & Qt::WindowFullScreen; });
            EXPECT_EQ(surface->screen()->name(), output->name());
            EXPECT_TRUE(surface->windowStates() & Qt::WindowFullScreen) << "a plain window, under the panel";
            EXPECT_EQ(surface->size(), output->size());
            EXPECT_TRUE(window->rect().contains(window->childrenRect())) << "controls laid out beyond the window";
            window->hide();
        }
    }
}
