// A whole contest through the real sound server: five entrants shout at
// different loudness into the virtual microphone, each run started by a click
// on the band of the measurement screen.
#include "app/Windows.h"
#include "measure/MeasurementScreen.h"

#include "support/WidgetTestSupport.h"
#include "core/RecordingFile.h"
#include "support/EventWaits.h"
#include "widgets/ClickLabel.h"
#include "core/ResultRecord.h"
#include "core/ResultStore.h"
#include "support/ResultDisplayCloser.h"
#include "support/AppTestFolder.h"
#include "support/ShortContest.h"
#include "support/IndependentScore.h"
#include "support/SoundServer.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class ContestRun : public SoundServerTest {};

}

TEST_F(ContestRun, FiveEntrantsAreRankedByTheLoudnessOfTheirShouts)
{
    EnsureApplication();
    AppTestFolder folder;
    AppContext& context = folder.Context;
    PrepareShortContest(folder);

    Windows windows(context);
    MeasurementScreen& screen = windows.measurementScreen(nullptr);
    Windows::ShowModeless(screen);
    ResultDisplayCloser closer;
    const std::vector<double> loudness = {0.2, 0.6, 0.1, 0.9, 0.4};
    for (size_t entrant = 0; entrant < loudness.size(); ++entrant) {
        const QString shout = folder.Path(QStringLiteral("shout%1.wav").arg(entrant));
        WriteTone(shout, 16000, 4.0, loudness[entrant], 330.0 + 110.0 * double(entrant));
        VirtualMicrophone microphone;
        microphone.Play(shout);
        HandleEventsFor(400);
        ClickBand(screen.findChild<ClickLabel*>(QStringLiteral("measureBand")));
        ASSERT_TRUE(HandleEventsUntil([&] { return context.Contest.EntryNo == int(entrant) + 2 && screen.State() == Waiting; }, 30000))
            << "entrant " << entrant + 1;
    }

    EXPECT_EQ(context.Contest.EntryNo, 6);
    EXPECT_EQ(ScanLog(context), 6);
    EXPECT_EQ(folder.Messages.Texts(), std::vector<QString>());
    // Without a calibration no level is written anywhere.
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("soundlevels.csv"))));
    EXPECT_FALSE(folder.Read(QStringLiteral("ZUVELO.INI")).contains("[Level]"));
    std::vector<int> totals;
    for (int entryNo = 1; entryNo <= 5; ++entryNo) {
        const IndependentScore analysed = ScoreIndependently(folder.Path(RecordingFileName(entryNo)), context.Settings.Mic.NoiseCutLevel);
        ASSERT_TRUE(analysed.Read) << "entry " << entryNo;
        const ResultRecord stored = ResultRecord::Decode(folder.Read(QStringLiteral("loudlog.dat")).constData() + 70 * (entryNo - 1));
        EXPECT_EQ(stored.TotalPoints, analysed.TotalPoints) << "entry " << entryNo;
        EXPECT_EQ(stored.MaxPoints, analysed.MaxPoints) << "entry " << entryNo;
        EXPECT_EQ(stored.IntegPoints, analysed.IntegPoints) << "entry " << entryNo;
        EXPECT_EQ(stored.MaxRaw, analysed.MaxRaw) << "entry " << entryNo;
        EXPECT_EQ(stored.IntegRaw, analysed.IntegRaw) << "entry " << entryNo;
        EXPECT_EQ(stored.SampleCount, 32000) << "two seconds at 16 kHz";
        EXPECT_EQ(stored.Quality, 1);
        totals.push_back(stored.TotalPoints);
    }
    // Louder shouts score more: 0.9 > 0.6 > 0.4 > 0.2 > 0.1.
    EXPECT_GT(totals[3], totals[1]);
    EXPECT_GT(totals[1], totals[4]);
    EXPECT_GT(totals[4], totals[0]);
    EXPECT_GT(totals[0], totals[2]);
    screen.close();
}
