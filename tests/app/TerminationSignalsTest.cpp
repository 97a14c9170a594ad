// A termination signal (log-out, shutdown, kill) raised in the process while
// the contest runs, handled as the program's start-up installs it.
#include "app/TerminationSignals.h"
#include "app/Windows.h"

#include "core/ContestOperations.h"
#include "core/RecordingFile.h"
#include "core/ResultStore.h"
#include "measure/MeasurementScreen.h"
#include "results/ResultDisplay.h"
#include "support/AppTestFolder.h"
#include "support/FakeRecorder.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class TerminationSignalsTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        Context.Settings.Basic.SoundOn = false;
        // What a display closed by hand would open next.
        Context.Settings.Basic.PrintAtOnce = true;
        Context.Settings.Basic.WaveformDisplay = true;
        SaveBasicSettings(Context);
        // Made once the application is, for the notifier to join its event loop.
        Termination = std::make_unique<TerminationSignals>();
        QObject::connect(Termination.get(), &TerminationSignals::received, [this] { Made.EndAsClosed(); });
    }

    static void RaiseAfter(int milliseconds)
    {
        QTimer::singleShot(milliseconds, [] { std::raise(SIGTERM); });
    }

    AppTestFolder Folder;
    AppContext& Context = Folder.Context;
    Windows Made{Context};
    std::unique_ptr<TerminationSignals> Termination;
};

}

TEST_F(TerminationSignalsTest, TheResultOnDisplayIsStoredOnceAndNothingOpensAfterIt)
{
    ResultDisplay& display = Made.resultDisplay(nullptr);
    display.SetEntrant(MeasuredNow(Context, 1, MeasureResult{24000, 0, 0, Points{300}, Points{200}, Points{500}}));
    RaiseAfter(200);
    // A window opened after the display would wait for an answer: note and close it.
    std::vector<QString> openedAfter;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != &display && modal->isVisible()) {
            openedAfter.push_back(QString::fromLatin1(modal->metaObject()->className()));
            modal->close();
        }
    });
    watch.start(20);
    Windows::ShowModal(display);

    EXPECT_TRUE(Context.EndRequested());
    EXPECT_EQ(ScanLog(Context), 2) << "entrant 1 stored, once";
    EXPECT_EQ(Context.Contest.ScoreTable[1], 500);
    EXPECT_EQ(openedAfter, std::vector<QString>());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(TerminationSignalsTest, AMeasurementInProgressStopsAndStoresNothing)
{
    const RecordingFormat format = RecordingFormatOf(RecordingQuality::Normal);
    Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
    Context.Settings.Basic.MeasureSeconds = 5;
    Context.Settings.Basic.PauseAtStop = false;
    SaveBasicSettings(Context);
    FakeRecorder::Log recorder;
    MeasurementScreen screen(Context, nullptr, std::make_unique<FakeRecorder>(recorder));
    int shown = 0;
    QObject::connect(&screen, &MeasurementScreen::resultDisplayRequested, [&shown] { ++shown; });
    screen.show();
    RaiseAfter(700);
    Click(screen.findChild<QWidget*>(QStringLiteral("measureBand")));

    EXPECT_TRUE(HandleEventsUntil([this] { return Context.EndRequested(); }, 3000)) << "the run stops at once";
    HandleEventsUntil([] { return false; }, 200);
    EXPECT_EQ(screen.State(), Waiting);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(ScanLog(Context), 1) << "nothing is stored";
}
