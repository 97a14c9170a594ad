#include "results/ScoreMonitor.h"
#include "core/ProgramOptions.h"
#include "core/EntrantLevels.h"

#include "core/ResultStore.h"
#include "core/WavHeader.h"
#include "results/LoudnessGraph.h"
#include "support/ResultLog.h"
#include "support/WidgetTestSupport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class ScoreMonitorWindow : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        Context.Settings.Basic.MeasureSeconds = 1;
        SaveBasicSettings(Context);
    }

    // Entrants with these totals, each with a recording of silence.
    void Stored(const std::vector<int>& totals)
    {
        WriteLogOfTotals(Folder, totals);
        for (size_t i = 0; i < totals.size(); ++i)
            WriteRecording16(Folder, static_cast<int>(i + 1), std::vector<int16_t>(1600, 0));
        Context.Contest.EntryNo = static_cast<int16_t>(totals.size() + 1);
    }

    void Open(int16_t mode, int16_t entryNo = 0)
    {
        Monitor.SetRequest(ScoreMonitorRequest{mode, entryNo});
        Monitor.show();
    }

    // A press at a point given in graph units.
    void Click(Qt::MouseButton button, QPointF graphPoint, QEvent::Type type = QEvent::MouseButtonPress)
    {
        const QPointF pixel = GraphTransform(Monitor.size()).map(graphPoint);
        QMouseEvent press(type, pixel, Monitor.mapToGlobal(pixel), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(&Monitor, &press);
    }

    void Press(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&Monitor, &press);
    }

    QLabel* InfoLine() const { return Monitor.findChild<QLabel*>(QStringLiteral("infoLine")); }
    QPushButton* PlayButton() const { return Monitor.findChild<QPushButton*>(QStringLiteral("playButton")); }

    QColor GraphPixel(QPointF graphPoint) const
    {
        const QPoint pixel = GraphTransform(Monitor.size()).map(graphPoint).toPoint();
        return Monitor.Graph().pixelColor(pixel);
    }

    // The application comes before the window.
    bool Application = (EnsureApplication(), true);
    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    ScoreMonitor Monitor{Context};
};

}

TEST_F(ScoreMonitorWindow, BrowsingStepsWithArrowsAndClicksAndClosesOutsideTheGraph)
{
    Stored({1234, 500, 2000});
    Open(OpenedFromMenu);
    EXPECT_EQ(Monitor.size(), Monitor.screen()->geometry().size());
    EXPECT_EQ(Monitor.LastEntrant(), 3);
    EXPECT_EQ(Monitor.CurrentEntrant(), 1);
    EXPECT_EQ(InfoLine()->text(), QStringLiteral("エントリー№ : 1  成績 ：1234 点 / 2000点   最大値 ： 617 点   積算値： 617 点"));
    Press(Qt::Key_Left);
    EXPECT_EQ(Monitor.CurrentEntrant(), 1);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    EXPECT_EQ(Monitor.CurrentEntrant(), 3);
    EXPECT_TRUE(InfoLine()->text().startsWith(QStringLiteral("エントリー№ : 3  成績 ：2000 点")));
    Click(Qt::RightButton, {5000, 1000});
    Click(Qt::RightButton, {5000, 1000}, QEvent::MouseButtonDblClick);
    EXPECT_EQ(Monitor.CurrentEntrant(), 2) << "a double click is one press";
    Click(Qt::LeftButton, {9999, -3790});
    EXPECT_EQ(Monitor.CurrentEntrant(), 3);
    EXPECT_TRUE(Monitor.isVisible());
    Click(Qt::LeftButton, {5000, 3700});
    EXPECT_FALSE(Monitor.isVisible()) << "below the frame";
    Open(OpenedFromMenu);
    EXPECT_EQ(Monitor.CurrentEntrant(), 1) << "browsing starts at the first again";
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Monitor.isVisible());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ScoreMonitorWindow, AfterAMeasurementShowsTheEntrantJustStoredAndAnyClickCloses)
{
    Stored({700, 800, 900, 1000});
    Open(OpenedAfterMeasurement, 4);
    EXPECT_EQ(Monitor.CurrentEntrant(), 4);
    Press(Qt::Key_Left);
    EXPECT_EQ(Monitor.CurrentEntrant(), 3) << "arrows step in this mode too";
    Click(Qt::LeftButton, {5000, 0});
    EXPECT_FALSE(Monitor.isVisible());

    Context.Contest.EntryNo = 1;
    Open(OpenedAfterMeasurement, 2);
    EXPECT_EQ(Monitor.CurrentEntrant(), 2) << "the entrant the request names, whatever the next number";
    Monitor.close();
    Open(OpenedAfterMeasurement, 3000);
    EXPECT_EQ(Monitor.CurrentEntrant(), 4) << "never past the last stored entrant";
    Press(Qt::Key_Space);
    EXPECT_FALSE(Monitor.isVisible());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ScoreMonitorWindow, AnEntrantsShownLevelEndsTheInformationLine)
{
    Stored({700, 800});
    ProgramOptions options;
    options.Level.OffsetDb = 101.5;
    ASSERT_FALSE(SaveProgramOptions(Context, options));
    ASSERT_FALSE(StoreEntrantLevel(Context, 2, {112.34, 125.0, 104.2, false, 101.5, 50}));
    Open(OpenedAfterMeasurement, 2);
    EXPECT_TRUE(InfoLine()->text().endsWith(QStringLiteral(" 点   音圧 ：112.3 dB(A)"))) << InfoLine()->text().toStdString();
    Press(Qt::Key_Left);
    EXPECT_TRUE(InfoLine()->text().endsWith(QStringLiteral(" 点"))) << "entrant 1 was measured without levels";
    EXPECT_LE(InfoLine()->geometry().right(), PlayButton()->x()) << "the line stays clear of the play button";
}

TEST_F(ScoreMonitorWindow, OpenBesideTheContestItFollowsAStoreAndAClear)
{
    Stored({700, 800, 900});
    Open(OpenedFromMenu);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    Stored({700, 800, 900, 1000});
    ResultRecord fourth;
    fourth.EntryNo = 4;
    Monitor.FollowStored(fourth);
    EXPECT_EQ(Monitor.CurrentEntrant(), 3) << "the entrant on view stays";
    Press(Qt::Key_Right);
    EXPECT_EQ(Monitor.CurrentEntrant(), 4);

    ASSERT_FALSE(ClearLog(Context)) << "cleared";
    Monitor.FollowLog();
    EXPECT_EQ(Monitor.CurrentEntrant(), 0);
    EXPECT_EQ(InfoLine()->text(), QStringLiteral("エントリー№ : 0  成績 ：   0 点 / 2000点   最大値 ：   0 点   積算値：   0 点"));
    EXPECT_FALSE(PlayButton()->isEnabled());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ScoreMonitorWindow, AnEmptyLogShowsAnEmptyGraphWithoutReading)
{
    Open(OpenedAfterMeasurement);
    EXPECT_EQ(Monitor.CurrentEntrant(), 0);
    EXPECT_EQ(InfoLine()->text(), QStringLiteral("エントリー№ : 0  成績 ：   0 点 / 2000点   最大値 ：   0 点   積算値：   0 点"));
    EXPECT_FALSE(PlayButton()->isEnabled());
    Press(Qt::Key_Right);
    EXPECT_EQ(Monitor.CurrentEntrant(), 0);
    EXPECT_EQ(GraphPixel({0, -3500}), QColor(Qt::black)) << "the frame is drawn";
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ScoreMonitorWindow, BothColourSchemesKeepTheNoiseAndZeroLineColours)
{
    Stored({1000});
    Context.Settings.Mic.NoiseCutLevel = 50;
    SaveMicSettings(Context);
    for (bool whiteOnBlack : {false, true}) {
        Context.Settings.Basic.WaveformWhiteOnBlack = whiteOnBlack;
        SaveBasicSettings(Context);
        Open(OpenedFromMenu);
        const QColor back = whiteOnBlack ? Qt::black : Qt::white;
        const QColor drawing = whiteOnBlack ? Qt::white : Qt::black;
        EXPECT_EQ(GraphPixel({5500, 2000}), back) << whiteOnBlack;
        EXPECT_EQ(GraphPixel({-100, -3700}), back);
        EXPECT_EQ(GraphPixel({5500, -3500}), drawing) << "frame";
        EXPECT_EQ(GraphPixel({5500, 0}), drawing) << "centre line";
        EXPECT_EQ(GraphPixel(QPointF(5500, -NoiseLineOffset(50))), QColor(0, 128, 0)) << "noise line above";
        EXPECT_EQ(GraphPixel(QPointF(5500, NoiseLineOffset(50))), QColor(0, 128, 0)) << "noise line below";
        EXPECT_EQ(InfoLine()->palette().color(QPalette::WindowText), drawing);
        Monitor.close();
    }
}

TEST_F(ScoreMonitorWindow, TheLoudestNegativeSampleReachesTheFrameTop)
{
    Stored({1000, 1000});
    // Silence, then half the full scale downwards in the middle of entrant
    // 1's recording and the full scale in entrant 2's.
    std::vector<int16_t> samples(1600, 0);
    samples[801] = -16384;
    WriteRecording16(Folder, 1, samples);
    samples[801] = -32768;
    WriteRecording16(Folder, 2, samples);
    Open(OpenedFromMenu);
    const QTransform toPixels = GraphTransform(Monitor.size());
    const int column = int(toPixels.map(QPointF(802 * 10000.0 / 1600, 0)).x());
    const int top = int(toPixels.map(QPointF(0, -3500)).y());
    const int centre = int(toPixels.map(QPointF(0, 0)).y());
    const auto dark = [this, column](int y) { return Monitor.Graph().pixelColor(column, y) == QColor(Qt::black); };
    EXPECT_TRUE(dark((top + centre) / 2 + 2));
    EXPECT_FALSE(dark((top + centre) / 2 - 3)) << "half the scale reaches half the height";
    Press(Qt::Key_Right);
    for (int y = top; y <= centre; ++y)
        EXPECT_TRUE(dark(y)) << y;
    EXPECT_FALSE(Monitor.Graph().pixelColor(column + 4, (top + centre) / 2) == QColor(Qt::black)) << "only the sample's column";
}

TEST_F(ScoreMonitorWindow, ARecordingThatIsNotTheOneItsRecordDescribesIsReportedAndNotDrawn)
{
    Stored({1000, 1200, 1300, 1400, 1500});
    WriteRecording16(Folder, 1, std::vector<int16_t>(1600, 20000));
    QFile::remove(Folder.Path(QStringLiteral("xx0002.wav")));
    Folder.Write(QStringLiteral("xx0003.wav"), MakeRecordingHeader(8000, 8, 3200) + QByteArray(3200, '\xff'));
    Folder.Write(QStringLiteral("xx0004.wav"), QByteArray());
    Folder.Write(QStringLiteral("xx0005.wav"), MakeRecordingHeader(16000, 16, 0));
    Open(OpenedFromMenu);
    EXPECT_EQ(GraphPixel({5500, 1500}), QColor(Qt::black)) << "entrant 1 drawn";
    const QString advice = QStringLiteral("\nフォルダおよびファイルを確認してください！");
    for (int entrant = 2; entrant <= 5; ++entrant) {
        Folder.Messages.Messages.clear();
        Press(Qt::Key_Right);
        EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("音声データが不正です。(%1)").arg(entrant) + advice});
        EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
        for (int x : {1000, 5500, 9000})
            EXPECT_EQ(GraphPixel(QPointF(x, 1500)), QColor(Qt::white)) << "no waveform for entrant " << entrant;
        EXPECT_TRUE(InfoLine()->text().startsWith(QStringLiteral("エントリー№ : %1  成績 ：").arg(entrant)));

        Folder.Messages.Messages.clear();
        PlayButton()->click();
        EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("音声データを再生できません。(%1)").arg(entrant) + advice})
            << "a replay that cannot play says so";
        EXPECT_EQ(Monitor.Player().Mode(), MultimediaPlayer::ModeNotOpen);
    }
    Press(Qt::Key_Left);
    EXPECT_EQ(Monitor.CurrentEntrant(), 4) << "the operator steps on";
}

TEST_F(ScoreMonitorWindow, ARecordThatCannotBeLoadedShowsItsNumberAndNothingOfAnotherEntrant)
{
    Stored({1234, 800});
    WriteRecording16(Folder, 1, std::vector<int16_t>(1600, 20000));
    WriteRecording16(Folder, 2, std::vector<int16_t>(1600, 20000));
    // Entrant 2's remark ends in half a double-byte character.
    QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    log[ResultRecord::Size + 43] = '\x81';
    Folder.Write(QStringLiteral("loudlog.dat"), log);
    Open(OpenedFromMenu);
    Press(Qt::Key_Right);
    EXPECT_EQ(Monitor.CurrentEntrant(), 2);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("データが不正です！(2)")});
    EXPECT_EQ(InfoLine()->text(), QStringLiteral("エントリー№ : 2"));
    EXPECT_EQ(GraphPixel({5500, 1500}), QColor(Qt::white)) << "no waveform";
}

TEST_F(ScoreMonitorWindow, ADamagedLogIsNamedAndNoEntrantIsShown)
{
    Stored({1000, 1200});
    Folder.Write(QStringLiteral("loudlog.dat"), Folder.Read(QStringLiteral("loudlog.dat")).left(ResultRecord::Size + 20));
    Open(OpenedFromMenu);
    EXPECT_EQ(Monitor.CurrentEntrant(), 0);
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("測定ログが読めないか、壊れています。(%1)\nフォルダおよびファイルを確認してください！")
                                       .arg(Folder.Path(QStringLiteral("loudlog.dat")))});
    EXPECT_FALSE(PlayButton()->isEnabled());
}

TEST_F(ScoreMonitorWindow, TheGraphSurvivesBeingCoveredWithoutReadingAgain)
{
    Stored({1000});
    WriteRecording16(Folder, 1, std::vector<int16_t>(1600, 20000));
    Open(OpenedFromMenu);
    const QImage drawn = Monitor.Graph();
    QFile::remove(Folder.Path(QStringLiteral("xx0001.wav")));
    Monitor.repaint();
    EXPECT_EQ(Monitor.grab().toImage().convertToFormat(QImage::Format_RGB32).pixelColor(
                  GraphTransform(Monitor.size()).map(QPointF(5500, 1500)).toPoint()),
              QColor(Qt::black));
    EXPECT_EQ(Monitor.Graph(), drawn);
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}
