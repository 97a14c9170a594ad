#include "results/ResultDisplay.h"
#include "results/RankingBoard.h"

#include "support/WidgetTestSupport.h"
#include "widgets/ClickLabel.h"
#include "widgets/HeldKeyGuard.h"
#include "core/ResultRecord.h"
#include "core/ProgramOptions.h"
#include "core/ResultStore.h"
#include "support/ResultLog.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ResultDisplayTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        LoadScreenSettings(Context);
        LoadSoundSettings(Context);
        Context.Settings.Basic.SoundOn = true;
        SaveBasicSettings(Context);
    }

    // Entrants 1 to n - 1 with these totals; entrant n just measured with `total`.
    void Measured(const std::vector<int>& earlier, int total)
    {
        for (size_t i = 0; i < earlier.size(); ++i)
            Context.Contest.ScoreTable[i + 1] = static_cast<int16_t>(earlier[i]);
        Context.Contest.EntryNo = static_cast<int16_t>(earlier.size() + 1);
        Entrant = MeasuredNow(Context, Context.Contest.EntryNo,
                              MeasureResult{24000, 0, 0, Points{total / 2}, Points{total - total / 2}, Points{total}});
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    MeasuredEntrant Entrant;
};

ClickLabel* ScoreLabel(const ResultDisplay& window)
{
    return window.findChild<ClickLabel*>(QStringLiteral("scoreLabel"));
}

ClickLabel* RankLabel(const ResultDisplay& window)
{
    return window.findChild<ClickLabel*>(QStringLiteral("rankLabel"));
}

QTimer* BlinkTimer(const ResultDisplay& window)
{
    return window.findChild<QTimer*>(QStringLiteral("blinkTimer"));
}

void Press(QWidget& window, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
}

}

TEST_F(ResultDisplayTest, TheFirstEntrantIsTopOfOne)
{
    Measured({}, 1234);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    EXPECT_EQ(window.Rank(), 1);
    EXPECT_EQ(ScoreLabel(window)->text(), QStringLiteral("1234"));
    EXPECT_EQ(RankLabel(window)->text(), QStringLiteral(" 1位/ 1人中"));
    const QSize screen = window.screen()->geometry().size();
    EXPECT_EQ(window.geometry().size(), screen);
    EXPECT_LE(ScoreLabel(window)->height(), 0.8 * screen.height());
    EXPECT_EQ(RankLabel(window)->geometry().right() + 1, screen.width()) << "flush with the right edge";
    window.close();
}

TEST_F(ResultDisplayTest, ANameStandsAboveTheScoreWithinTheScreenAndTheScoreKeepsItsPlace)
{
    Measured({800}, 1234);
    ResultDisplay plain(Context);
    plain.SetEntrant(Entrant);
    plain.show();
    const QRect scoreWithoutName = ScoreLabel(plain)->geometry();
    plain.hide();
    Folder.Write(QStringLiteral("entrants.csv"), QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n2,%1,\r\n")
                                                                              .arg(QStringLiteral("Alexandra Wilhelmina Montgomery-Smythe"))
                                                                              .toUtf8());
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    const QLabel* name = window.findChild<QLabel*>(QStringLiteral("nameLabel"));
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->text(), QStringLiteral("Alexandra Wilhelmina Montgomery-Smythe"));
    EXPECT_LE(QFontMetricsF(name->font()).horizontalAdvance(name->text()), window.width());
    EXPECT_LE(name->geometry().bottom(), ScoreLabel(window)->y()) << "above the score";
    EXPECT_GE(name->y(), 0);
    EXPECT_EQ(ScoreLabel(window)->geometry(), scoreWithoutName);
    window.close();
}

TEST_F(ResultDisplayTest, AMeasuredLevelStandsUnderTheScoreAboveTheRankWhenLevelsAreShown)
{
    Measured({800}, 1234);
    Entrant.Level = EntrantLevel{112.26, 125.0, 104.2, true, 101.5, 50};
    for (const bool shown : {true, false}) {
        ProgramOptions options;
        options.Level.OffsetDb = 101.5;
        options.Level.Show = shown;
        ASSERT_FALSE(SaveProgramOptions(Context, options));
        ResultDisplay window(Context);
        window.SetEntrant(Entrant);
        window.show();
        const QLabel* level = window.findChild<QLabel*>(QStringLiteral("levelLabel"));
        ASSERT_EQ(level->isVisible(), shown);
        if (shown) {
            EXPECT_EQ(level->text(), QStringLiteral("≥112.3 dB(A)")) << "clipped: the true level may be higher";
            EXPECT_GE(level->y(), ScoreLabel(window)->geometry().bottom()) << "under the score";
            EXPECT_LE(level->geometry().bottom(), RankLabel(window)->y()) << "above the rank";
            EXPECT_GE(level->height(), RankLabel(window)->height()) << "read across the hall";
            EXPECT_LE(QFontMetricsF(level->font()).horizontalAdvance(level->text()), window.width());
        }
        window.close();
    }
}

TEST_F(ResultDisplayTest, ClosingStoresTheResultAndMovesToTheNextEntrant)
{
    Measured({500, 700}, 600);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    EXPECT_EQ(RankLabel(window)->text(), QStringLiteral(" 2位/ 3人中"));
    Press(window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 4);
    EXPECT_EQ(std::get<LoadedEntrant>(LoadEntrant(Context, 3)).TotalPoints, 600);
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ResultDisplayTest, AHeldSpaceStoresOnceAndLeavesTheRankingBoardItBringsUpOpen)
{
    HeldKeyGuard guard;
    qApp->installEventFilter(&guard);
    Measured({500, 700}, 600);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    Press(window, Qt::Key_Space);
    ASSERT_FALSE(window.isVisible());
    // The waiting screen answers the repeated space with the ranking board.
    RankingBoard board(Context);
    board.show();
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(&board, &release);
        QCoreApplication::sendEvent(&board, &press);
    }
    EXPECT_TRUE(board.isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 4) << "stored once";
    board.close();
}

TEST_F(ResultDisplayTest, ClicksCountOnlyFromTheSecondSecond)
{
    Measured({}, 10);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    window.PressMouse();
    window.CountSecond();
    window.ScoreMouseDown();
    EXPECT_TRUE(window.isVisible()) << "a click in the first second is ignored";
    Press(window, Qt::Key_Escape);
    Press(window, Qt::Key_A);
    EXPECT_TRUE(window.isVisible()) << "other keys do nothing";
    window.CountSecond();
    Click(RankLabel(window));
    EXPECT_TRUE(window.isVisible()) << "the rank label does not react";
    window.ScoreMouseDown();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ResultDisplayTest, ClosesItselfAfterThreeMinutes)
{
    Measured({}, 10);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    for (int second = 1; second <= 180; ++second)
        window.CountSecond();
    EXPECT_TRUE(window.isVisible());
    window.CountSecond();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 2);
}

TEST_F(ResultDisplayTest, RankEffectsStartWithTheConfiguredEntrant)
{
    Context.Settings.Sound.RankSoundFromEntry = 5;
    SaveSoundSettings(Context);
    Measured({100, 200, 300}, 2000);
    ResultDisplay early(Context);
    early.SetEntrant(Entrant);
    early.show();
    EXPECT_EQ(early.Rank(), 1);
    EXPECT_FALSE(BlinkTimer(early)->isActive());
    EXPECT_TRUE(early.RankSoundPlayer().FileName.isEmpty()) << "no rank sound before the fifth entrant";
    early.close();

    Measured({100, 200, 300, 400}, 2000);
    ResultDisplay fifth(Context);
    fifth.SetEntrant(Entrant);
    fifth.show();
    EXPECT_TRUE(BlinkTimer(fifth)->isActive());
    EXPECT_EQ(BlinkTimer(fifth)->interval(), 30);
    EXPECT_EQ(fifth.RankSoundPlayer().FileName, Context.Settings.Sound.SoundFile[2]);
    fifth.close();

    Measured({100, 200, 300, 400}, 150);
    ResultDisplay fourth(Context);
    fourth.SetEntrant(Entrant);
    fourth.show();
    EXPECT_EQ(fourth.Rank(), 4);
    EXPECT_FALSE(BlinkTimer(fourth)->isActive()) << "rank 4 is beyond the blink limit of 3";
    EXPECT_EQ(fourth.RankSoundPlayer().FileName, Context.Settings.Sound.SoundFile[5]);
    fourth.close();
}

TEST_F(ResultDisplayTest, ABlinkIntervalOfZeroFromAHandEditedFileMeansNoBlinking)
{
    Context.Settings.Sound.RankSoundFromEntry = 1;
    SaveSoundSettings(Context);
    for (int16_t interval : {0, -5}) {
        Context.Settings.Effect.BlinkInterval = interval;
        SaveEffectSettings(Context);
        Measured({}, 100);
        ResultDisplay window(Context);
        window.SetEntrant(Entrant);
        window.show();
        EXPECT_FALSE(BlinkTimer(window)->isActive()) << interval;
        window.close();
    }
}

TEST_F(ResultDisplayTest, TheBlinkStopsAtTheThirdSecond)
{
    Context.Settings.Sound.RankSoundFromEntry = 1;
    SaveSoundSettings(Context);
    Measured({}, 100);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    window.show();
    ASSERT_TRUE(BlinkTimer(window)->isActive());
    window.BlinkTick();
    EXPECT_EQ(window.BackColor(), QColor(255, 255, 0));
    window.BlinkTick();
    EXPECT_EQ(window.BackColor(), QColor(255, 0, 0));
    window.BlinkTick();
    EXPECT_EQ(window.BackColor(), QColor(0, 255, 0));
    for (int second = 0; second < 3; ++second)
        window.CountSecond();
    window.BlinkTick();
    EXPECT_FALSE(BlinkTimer(window)->isActive());
    EXPECT_EQ(window.BackColor(), QColor(0, 0, 0));
    window.close();
}

TEST_F(ResultDisplayTest, AFailedLogWriteIsReportedAndTheEntrantKeepsItsNumberWithoutSheetOrMonitor)
{
    // Entrant 1 is stored; another copy of the program stored entrant 2 first.
    Context.Settings.Basic.PrintAtOnce = true;
    Context.Settings.Basic.WaveformDisplay = true;
    SaveBasicSettings(Context);
    WriteLogOfTotals(Folder, {300, 900});
    Measured({300}, 10);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    int requests = 0;
    QObject::connect(&window, &ResultDisplay::scoreSheetRequested, [&] { ++requests; });
    QObject::connect(&window, &ResultDisplay::scoreMonitorRequested, [&] { ++requests; });
    QObject::connect(&window, &ResultDisplay::resultStored, [&] { ++requests; });
    window.show();
    window.close();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(Context.Contest.EntryNo, 2);
    EXPECT_EQ(requests, 0) << "no monitor showing entrant 1 as if just measured, no sheet";
}

TEST_F(ResultDisplayTest, ScoreSheetAndMonitorOpenInThatOrderWhenSet)
{
    Context.Settings.Basic.PrintAtOnce = true;
    Context.Settings.Basic.WaveformDisplay = true;
    SaveBasicSettings(Context);
    Measured({}, 10);
    ResultDisplay window(Context);
    window.SetEntrant(Entrant);
    std::vector<QString> opened;
    QObject::connect(&window, &ResultDisplay::scoreSheetRequested, [&](const ScoreSheetRequest& request) {
        opened.push_back(QStringLiteral("sheet %1 of %2").arg(request.OpenMode).arg(request.EntryNo));
    });
    QObject::connect(&window, &ResultDisplay::scoreMonitorRequested, [&](const ScoreMonitorRequest& request) {
        opened.push_back(QStringLiteral("monitor %1 of %2").arg(request.OpenMode).arg(request.EntryNo));
    });
    QObject::connect(&window, &ResultDisplay::resultStored, [&](const EntrantRecorded& stored) {
        opened.push_back(QStringLiteral("stored %1 of rank %2").arg(stored.Record.EntryNo).arg(stored.Rank));
    });
    window.show();
    window.close();
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("stored 1 of rank 1"), QStringLiteral("sheet -1 of 1"),
                                            QStringLiteral("monitor -1 of 1")}));
}
