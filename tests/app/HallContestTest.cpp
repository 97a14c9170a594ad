// The hall's page during a real contest: an entrant measured through the real
// sound server while phones ask the page, good and hostile requests alike.
#include "app/Windows.h"
#include "measure/MeasurementScreen.h"

#include "core/RecordingFile.h"
#include "core/ResultRecord.h"
#include "support/EventWaits.h"
#include "core/ProgramOptions.h"
#include "support/AppTestFolder.h"
#include "support/ShortContest.h"
#include "support/HallClient.h"
#include "support/IndependentScore.h"
#include "support/ResultDisplayCloser.h"
#include "support/SoundServer.h"
#include "support/WidgetTestSupport.h"
#include "widgets/ClickLabel.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <atomic>
#include <thread>

namespace {

QJsonArray RankedEntrants(int port)
{
    const std::string answer = Exchange(port, Get("/api/ranking"));
    return QJsonDocument::fromJson(QByteArray::fromStdString(BodyOf(answer))).object()["entrants"].toArray();
}

class HallContest : public SoundServerTest {};

}

TEST_F(HallContest, AStoredResultReachesThePageWhileHostileRequestsLeaveTheMeasurementAlone)
{
    EnsureApplication();
    AppTestFolder folder;
    AppContext& context = folder.Context;
    PrepareShortContest(folder);
    const int port = FreePort();
    ASSERT_FALSE(SaveHallOptions(context, {true, port, {}}));

    Windows windows(context);
    windows.ApplyHallOptions();
    ASSERT_FALSE(context.HallUrl.isEmpty());
    EXPECT_EQ(RankedEntrants(port).size(), 0);

    // Phones asking all through the measurement, some of them hostile.
    std::atomic<bool> measuring = true;
    std::atomic<int> rankingFailures = 0;
    std::thread phones([&] {
        const std::string requests[] = {Get("/api/ranking"), "POST / HTTP/1.1\r\nContent-Length: 0\r\n\r\n",
                                        Get("/%2e%2e/loudlog.dat"), Get("/", "X-Big: " + std::string(100 * 1024, 'b') + "\r\n")};
        for (int n = 0; measuring; ++n) {
            const int status = StatusOf(Exchange(port, requests[n % 4]));
            if (n % 4 == 0 && status != 200)
                ++rankingFailures;
        }
    });
    MeasurementScreen& screen = windows.measurementScreen(nullptr);
    Windows::ShowModeless(screen);
    ResultDisplayCloser closer;
    const QString shout = folder.Path(QStringLiteral("shout.wav"));
    WriteTone(shout, 16000, 4.0, 0.6, 440.0);
    VirtualMicrophone microphone;
    microphone.Play(shout);
    HandleEventsFor(400);
    ClickBand(screen.findChild<ClickLabel*>(QStringLiteral("measureBand")));
    ASSERT_TRUE(HandleEventsUntil([&] { return context.Contest.EntryNo == 2 && screen.State() == Waiting; }, 30000));
    measuring = false;
    phones.join();
    EXPECT_EQ(rankingFailures, 0);

    QElapsedTimer sinceStored;
    sinceStored.start();
    QJsonArray entrants;
    while (entrants.isEmpty() && sinceStored.elapsed() < 3000)
        entrants = RankedEntrants(port);
    ASSERT_EQ(entrants.size(), 1);
    const ResultRecord stored = ResultRecord::Decode(folder.Read(QStringLiteral("loudlog.dat")).constData());
    EXPECT_EQ(entrants[0].toObject()["total"].toInt(), stored.TotalPoints);
    const IndependentScore analysed = ScoreIndependently(folder.Path(RecordingFileName(1)), context.Settings.Mic.NoiseCutLevel);
    EXPECT_EQ(stored.TotalPoints, analysed.TotalPoints);
    EXPECT_NE(BodyOf(Exchange(port, Get("/entrant/1"))).find("<svg"), std::string::npos);
    screen.close();
}
