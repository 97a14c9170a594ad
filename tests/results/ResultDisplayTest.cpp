#include "results/ResultDisplay.h"

#include "support/WidgetTestSupport.h"
#include "platform/ClickLabel.h"
#include "store/ResultRecord.h"
#include "store/ResultStore.h"

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
        Context.Measure = MeasureResult();
        Context.Measure.TotalPoints = total;
        Context.Measure.MaxPoints = total / 2;
        Context.Measure.IntegPoints = total - total / 2;
        Context.Measure.SampleCount = 24000;
    }

    TestFolder Folder;
    ContestState& Context = Folder.Context;
};

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
    window.show();
    EXPECT_EQ(window.Rank, 1);
    EXPECT_EQ(window.LBX->text(), QStringLiteral("1234"));
    EXPECT_EQ(window.LB1->text(), QStringLiteral(" 1位/ 1人中"));
    EXPECT_EQ(window.geometry().size(), QSize(window.ScreenWidth, window.ScreenHeight));
    EXPECT_LE(window.LBX->height(), 0.8 * window.ScreenHeight);
    EXPECT_EQ(window.LB1->geometry().right() + 1, window.ScreenWidth) << "flush with the right edge";
    window.close();
}

TEST_F(ResultDisplayTest, ClosingStoresTheResultAndMovesToTheNextEntrant)
{
    Measured({500, 700}, 600);
    ResultDisplay window(Context);
    window.show();
    EXPECT_EQ(window.LB1->text(), QStringLiteral(" 2位/ 3人中"));
    Press(window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 4);
    LoadLogRecord(Context, 3);
    EXPECT_EQ(Context.Contest.LogTexts[2], QStringLiteral("600"));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ResultDisplayTest, ClicksCountOnlyFromTheSecondSecond)
{
    Measured({}, 10);
    ResultDisplay window(Context);
    window.show();
    window.Form_MouseDown();
    window.LmtTM_Timer();
    window.LBX_MouseDown();
    EXPECT_TRUE(window.isVisible()) << "a click in the first second is ignored";
    Press(window, Qt::Key_Escape);
    Press(window, Qt::Key_A);
    EXPECT_TRUE(window.isVisible()) << "other keys do nothing";
    window.LmtTM_Timer();
    Click(window.LB1);
    EXPECT_TRUE(window.isVisible()) << "the rank label does not react";
    window.LBX_MouseDown();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ResultDisplayTest, ClosesItselfAfterThreeMinutes)
{
    Measured({}, 10);
    ResultDisplay window(Context);
    window.show();
    for (int second = 1; second <= 180; ++second)
        window.LmtTM_Timer();
    EXPECT_TRUE(window.isVisible());
    window.LmtTM_Timer();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 2);
}

TEST_F(ResultDisplayTest, RankEffectsStartWithTheConfiguredEntrant)
{
    Context.Settings.Sound.RankSoundFromEntry = 5;
    SaveSoundSettings(Context);
    Measured({100, 200, 300}, 2000);
    ResultDisplay early(Context);
    early.show();
    EXPECT_EQ(early.Rank, 1);
    EXPECT_FALSE(early.BKTMR->isActive());
    EXPECT_TRUE(early.MM2.FileName.isEmpty()) << "no rank sound before the fifth entrant";
    early.close();

    Measured({100, 200, 300, 400}, 2000);
    ResultDisplay fifth(Context);
    fifth.show();
    EXPECT_TRUE(fifth.BKTMR->isActive());
    EXPECT_EQ(fifth.BKTMR->interval(), 30);
    EXPECT_EQ(fifth.MM2.FileName, Context.Settings.Sound.SoundFile[2]);
    fifth.close();

    Measured({100, 200, 300, 400}, 150);
    ResultDisplay fourth(Context);
    fourth.show();
    EXPECT_EQ(fourth.Rank, 4);
    EXPECT_FALSE(fourth.BKTMR->isActive()) << "rank 4 is beyond the blink limit of 3";
    EXPECT_EQ(fourth.MM2.FileName, Context.Settings.Sound.SoundFile[5]);
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
        window.show();
        EXPECT_FALSE(window.BKTMR->isActive()) << interval;
        window.close();
    }
}

TEST_F(ResultDisplayTest, TheBlinkStopsAtTheThirdSecond)
{
    Context.Settings.Sound.RankSoundFromEntry = 1;
    SaveSoundSettings(Context);
    Measured({}, 100);
    ResultDisplay window(Context);
    window.show();
    ASSERT_TRUE(window.BKTMR->isActive());
    window.BKTMR_Timer();
    EXPECT_EQ(window.BackColor(), QColor(255, 255, 0));
    window.BKTMR_Timer();
    EXPECT_EQ(window.BackColor(), QColor(255, 0, 0));
    window.BKTMR_Timer();
    EXPECT_EQ(window.BackColor(), QColor(0, 255, 0));
    for (int second = 0; second < 3; ++second)
        window.LmtTM_Timer();
    window.BKTMR_Timer();
    EXPECT_FALSE(window.BKTMR->isActive());
    EXPECT_EQ(window.BackColor(), QColor(0, 0, 0));
    window.close();
}

TEST_F(ResultDisplayTest, AFailedLogWriteIsReportedAndTheEntrantKeepsItsNumber)
{
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("loudlog.dat")));
    Measured({}, 10);
    ResultDisplay window(Context);
    window.show();
    window.close();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(Context.Contest.EntryNo, 1);
}

TEST_F(ResultDisplayTest, ScoreSheetAndMonitorOpenInThatOrderWhenSet)
{
    Context.Settings.Basic.PrintAtOnce = true;
    Context.Settings.Basic.WaveformDisplay = true;
    SaveBasicSettings(Context);
    Measured({}, 10);
    ResultDisplay window(Context);
    std::vector<QString> opened;
    window.OpenScoreSheetOutput = [&](const ScoreSheetRequest& request) {
        opened.push_back(QStringLiteral("sheet %1 of %2").arg(request.OpenMode).arg(request.EntryNo));
    };
    window.OpenScoreMonitor = [&](const ScoreMonitorRequest& request) {
        opened.push_back(QStringLiteral("monitor %1").arg(request.OpenMode));
    };
    window.show();
    window.close();
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("sheet -1 of 1"), QStringLiteral("monitor -1")}));
}
