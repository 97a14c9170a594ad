// The full-screen windows under weston with two outputs (started by the test
// command): a compositor ignores positions, so only a window that asks for
// full screen on its output covers it rather than landing, as a plain window
// under the panel, on the output of the compositor's choice.
#include "measure/MeasureLayout.h"
#include "measure/MeasurementScreen.h"
#include "results/RankingBoard.h"
#include "results/ResultDisplay.h"
#include "results/ScoreMonitor.h"
#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"
#include "support/FakeRecorder.h"
#include "support/WidgetTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// A line for the compositor's command pipe (scripts/lib/weston-second-output.c).
void TellCompositor(const QByteArray& command)
{
    QFile control(qEnvironmentVariable("ZUVELO_WESTON_CONTROL"));
    ASSERT_TRUE(control.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) << control.errorString().toStdString();
    ASSERT_EQ(control.write(command + '\n'), command.size() + 1);
}

QScreen* OutputCalled(const QString& name)
{
    for (QScreen* output : QGuiApplication::screens()) {
        if (output->name() == name)
            return output;
    }
    return nullptr;
}

// Waits for the compositor to show `window` full screen on `output`, then
// checks that it does and that the window laid itself out for that size.
void ExpectFullScreenOn(const FullScreenWindow& window, const QScreen* output)
{
    const QWindow* surface = window.windowHandle();
    (void)QTest::qWaitFor([&] {
        return surface->screen() == output && surface->windowStates() & Qt::WindowFullScreen && surface->size() == output->size();
    });
    EXPECT_EQ(surface->screen()->name(), output->name());
    EXPECT_TRUE(surface->windowStates() & Qt::WindowFullScreen) << "a plain window, under the panel";
    EXPECT_EQ(surface->size(), output->size());
    EXPECT_EQ(QSize(window.ScreenWidth, window.ScreenHeight), output->size());
    EXPECT_TRUE(window.rect().contains(window.childrenRect())) << "controls laid out beyond the window";
}

// Watches for the compositor granting a window full screen and the window
// drawing itself after it, which puts its first picture on the output.
class CompositorShowing : public QObject {
public:
    explicit CompositorShowing(const QWidget& window) : Window(window) { qApp->installEventFilter(this); }
    bool Shown = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == Window.windowHandle()) {
            if (event->type() == QEvent::WindowStateChange && event->spontaneous())
                Granted = Window.windowHandle()->windowStates() & Qt::WindowFullScreen;
            Shown = Shown || (Granted && event->type() == QEvent::Expose);
        }
        return false;
    }

private:
    const QWidget& Window;
    bool Granted = false;
};

}

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

// Weston 10 itself ends when the output under a full-screen window goes away
// (it reads a request naming the gone output as if it were there), so the projector is unplugged before the screen opens, and the window that
// covers the menu's output meanwhile moves when it comes back.
TEST(WaylandFullScreen, TheMeasurementScreenMovesFullScreenToTheChosenOutputWhenItIsPluggedIn)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("ZUVELO_WESTON_CONTROL"))
        GTEST_SKIP() << "no Wayland compositor whose outputs a test can unplug (ZUVELO_WESTON_CONTROL)";
    qputenv("QT_QPA_PLATFORM", "wayland");
    EnsureApplication();
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the compositor has not two outputs";
    const QString projectorName = QStringLiteral("headless2");
    // The primary output, where a window without an owner has its operator.
    QScreen* menuOutput = OutputCalled(QStringLiteral("headless"));
    ASSERT_TRUE(menuOutput && OutputCalled(projectorName));
    TestFolder folder;
    WriteInstalledFolder(folder);
    ASSERT_TRUE(SaveProgramOptions(folder.Context, {QString(), IdentityOf(*OutputCalled(projectorName))}));
    // The projector is plugged in again for the next test whatever happens here.
    const auto plugBack = qScopeGuard([] {
        if (QGuiApplication::screens().size() < 2) {
            TellCompositor("plug headless2");
            (void)QTest::qWaitFor([] { return QGuiApplication::screens().size() == 2; });
        }
    });
    TellCompositor("unplug " + projectorName.toUtf8());
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::screens().size() == 1; }));

    FakeRecorder::Log recorder;
    MeasurementScreen screen(folder.Context, nullptr, std::make_unique<FakeRecorder>(recorder));
    const CompositorShowing showing(screen);
    screen.show();
    ExpectFullScreenOn(screen, menuOutput);
    // The projector comes on once the screen is up, not in the same instant.
    ASSERT_TRUE(QTest::qWaitFor([&] { return showing.Shown; }));
    const auto* band = screen.findChild<QLabel*>(QStringLiteral("measureBand"));
    ASSERT_NE(band, nullptr);
    const auto bandFor = [](const QScreen* output) {
        return ComputeHeadingLayout(output->size().width(), output->size().height()).Band.toRect();
    };
    EXPECT_EQ(band->geometry(), bandFor(menuOutput));

    // Qt 6.4 would send only the leaving of full screen, and the window would
    // end up a plain one on the projector.
    TellCompositor("plug " + projectorName.toUtf8());
    ASSERT_TRUE(QTest::qWaitFor([&] { return OutputCalled(projectorName) != nullptr; }));
    ExpectFullScreenOn(screen, OutputCalled(projectorName));
    EXPECT_EQ(band->geometry(), bandFor(OutputCalled(projectorName))) << "the band where the menu's output had it";
}
