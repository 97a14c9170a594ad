// The windows under weston with two outputs and the shell's panels (started
// by the test command), as the compositor itself places them: it ignores the
// positions a window asks for, so only a window that asks for full screen on
// its output covers it, and only a maximized one keeps clear of the panel.
#include "measure/MeasureLayout.h"
#include "measure/MeasurementScreen.h"
#include "results/RankingBoard.h"
#include "results/ResultDisplay.h"
#include "results/ScoreMonitor.h"
#include "settings/ScreenSettingsWindow.h"
#include "widgets/ScreenChoice.h"
#include "core/ProgramOptions.h"
#include "support/FakeRecorder.h"
#include "support/WidgetTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QString ControlPipe()
{
    return qEnvironmentVariable("ZUVELO_WESTON_CONTROL");
}

// A line for the compositor's command pipe (scripts/lib/weston-second-output.c).
void TellCompositor(const QByteArray& command)
{
    QFile control(ControlPipe());
    ASSERT_TRUE(control.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) << control.errorString().toStdString();
    ASSERT_EQ(control.write(command + '\n'), command.size() + 1);
}

// A window or panel as the compositor shows it.
struct ShownView {
    QString Kind;
    QString Title;
    QString Output;
    QRect Frame;
    QString State;
};

std::vector<ShownView> ViewsShown()
{
    const QString path = ControlPipe() + QStringLiteral(".views");
    QFile::remove(path);
    TellCompositor("views");
    QFile list(path);
    if (!QTest::qWaitFor([&] { return list.exists(); }, 2000) || !list.open(QIODevice::ReadOnly))
        return {};
    std::vector<ShownView> views;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 8)
            views.push_back({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]), QString::fromUtf8(fields[2]),
                             QRect(fields[3].toInt(), fields[4].toInt(), fields[5].toInt(), fields[6].toInt()),
                             QString::fromUtf8(fields[7])});
    }
    return views;
}

// The compositor's view of `window`, once `shown` holds for it; an empty one
// when that did not come.
ShownView AwaitShown(const QWidget& window, const std::function<bool(const ShownView&)>& shown)
{
    ShownView last;
    (void)QTest::qWaitFor([&] {
        for (const ShownView& view : ViewsShown()) {
            if (view.Kind == QLatin1String("window") && view.Title == window.windowTitle()) {
                last = view;
                return shown(view);
            }
        }
        return false;
    });
    return last;
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
    const auto covers = [&](const ShownView& view) {
        return view.Output == output->name() && view.State == QLatin1String("fullscreen") && view.Frame == output->geometry();
    };
    const ShownView shown = AwaitShown(window, covers);
    EXPECT_EQ(shown.Output, output->name());
    EXPECT_EQ(shown.State, QStringLiteral("fullscreen")) << "a plain window, under the panel";
    EXPECT_EQ(shown.Frame, output->geometry());
    (void)QTest::qWaitFor([&] { return window.size() == output->size(); });
    EXPECT_EQ(window.size(), output->size());
    EXPECT_EQ(QSize(window.ScreenWidth(), window.ScreenHeight()), output->size());
    EXPECT_TRUE(window.rect().contains(window.childrenRect())) << "controls laid out beyond the window";
}

void UseWeston()
{
    qputenv("QT_QPA_PLATFORM", "wayland");
    EnsureApplication();
}

}

TEST(WaylandFullScreen, EachWindowCoversTheOutputChosenForTheAudienceAsTheCompositorShowsIt)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || ControlPipe().isEmpty())
        GTEST_SKIP() << "no weston of the test command (WAYLAND_DISPLAY, ZUVELO_WESTON_CONTROL)";
    UseWeston();
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the compositor has not two outputs";
    TestFolder folder;
    WriteInstalledFolder(folder);
    FakeRecorder::Log recorder;
    for (QScreen* output : QGuiApplication::screens()) {
        ASSERT_FALSE(SaveProgramOptions(folder.Context, {QString(), IdentityOf(*output)}));
        std::unique_ptr<FullScreenWindow> windows[] = {
            std::make_unique<MeasurementScreen>(folder.Context, nullptr, std::make_unique<FakeRecorder>(recorder)),
            std::make_unique<ResultDisplay>(folder.Context, nullptr), std::make_unique<RankingBoard>(folder.Context, nullptr),
            std::make_unique<ScoreMonitor>(folder.Context, nullptr)};
        for (const auto& window : windows) {
            SCOPED_TRACE(window->metaObject()->className() + (" on " + output->name().toStdString()));
            window->show();
            ExpectFullScreenOn(*window, output);
            window->hide();
        }
    }
}

// Qt 6.4 would send only the leaving of full screen, and the window would end
// up a plain one, cut by the output gone or left on the menu's output.
TEST(WaylandFullScreen, TheMeasurementScreenFollowsTheProjectorUnpluggedAndPluggedInAgain)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || ControlPipe().isEmpty())
        GTEST_SKIP() << "no weston of the test command whose outputs a test can unplug";
    UseWeston();
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the compositor has not two outputs";
    const QString projectorName = QStringLiteral("headless2");
    // The primary output, where a window without an owner has its operator.
    const QScreen* menuOutput = OutputCalled(QStringLiteral("headless"));
    ASSERT_TRUE(menuOutput && OutputCalled(projectorName));
    TestFolder folder;
    WriteInstalledFolder(folder);
    ASSERT_FALSE(SaveProgramOptions(folder.Context, {QString(), IdentityOf(*OutputCalled(projectorName))}));
    // The projector is plugged in again for the next test whatever happens here.
    const auto plugBack = qScopeGuard([] {
        if (QGuiApplication::screens().size() < 2) {
            TellCompositor("plug headless2");
            (void)QTest::qWaitFor([] { return QGuiApplication::screens().size() == 2; });
        }
    });

    FakeRecorder::Log recorder;
    MeasurementScreen screen(folder.Context, nullptr, std::make_unique<FakeRecorder>(recorder));
    screen.show();
    ExpectFullScreenOn(screen, OutputCalled(projectorName));
    const auto* band = screen.findChild<QLabel*>(QStringLiteral("measureBand"));
    ASSERT_NE(band, nullptr);
    const auto bandFor = [](const QScreen* output) {
        return ComputeHeadingLayout(output->size().width(), output->size().height()).Band.toRect();
    };

    TellCompositor("unplug " + projectorName.toUtf8());
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::screens().size() == 1; }));
    ExpectFullScreenOn(screen, menuOutput);
    EXPECT_EQ(band->geometry(), bandFor(menuOutput)) << "the band where the projector had it";

    TellCompositor("plug " + projectorName.toUtf8());
    ASSERT_TRUE(QTest::qWaitFor([&] { return OutputCalled(projectorName) != nullptr; }));
    ExpectFullScreenOn(screen, OutputCalled(projectorName));
    EXPECT_EQ(band->geometry(), bandFor(OutputCalled(projectorName))) << "the band where the menu's output had it";
}

// Qt on Wayland takes the whole output for free: a window sized to it would
// put its lower part, 登録 with it, below the screen's edge.
TEST(WaylandPanel, ASettingsWindowTallerThanTheFreeAreaOpensWithinItBelowThePanel)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || ControlPipe().isEmpty())
        GTEST_SKIP() << "no weston of the test command";
    UseWeston();
    const QScreen* small = QGuiApplication::primaryScreen();
    ASSERT_EQ(small->size(), QSize(1024, 600)) << "the test command's first output is a netbook's screen";
    ShownView panel;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (const ShownView& view : ViewsShown())
            panel = view.Kind == QLatin1String("panel") && view.Output == small->name() ? view : panel;
        return panel.Frame.isValid();
    })) << "the shell shows no panel";
    TestFolder folder;
    WriteInstalledFolder(folder);
    QWidget menu;
    menu.resize(400, 300);
    menu.show();
    ScreenSettingsWindow window(folder.Context, &menu);
    window.show();

    const QRect freeArea = small->geometry().adjusted(0, panel.Frame.bottom() + 1 - small->geometry().top(), 0, 0);
    const ShownView shown = AwaitShown(window, [&](const ShownView& view) { return freeArea.contains(view.Frame); });
    EXPECT_TRUE(freeArea.contains(shown.Frame)) << "the window goes under the panel or below the screen";
    // Its title bar drawn by Qt, as weston draws none.
    (void)QTest::qWaitFor([&] { return window.frameGeometry().size() == shown.Frame.size(); });
    EXPECT_EQ(window.frameGeometry().size(), shown.Frame.size()) << "the window drew itself for another size than it has";
    auto* registerButton = window.findChild<QPushButton*>(QStringLiteral("registerButton"));
    ASSERT_NE(registerButton, nullptr);
    if (auto* scroller = window.findChild<QScrollArea*>())
        scroller->ensureWidgetVisible(registerButton, 0, 0);
    EXPECT_EQ(registerButton->visibleRegion(), QRegion(registerButton->rect())) << "登録 out of reach";
}
