#include "results/LoudnessGraph.h"
#include "results/MonitorNavigation.h"

#include <gtest/gtest.h>

TEST(ScoreMonitor, ClicksInsideTheGraphStepAndElsewhereClose)
{
    const QPointF inside(5000, 0);
    EXPECT_EQ(MonitorClickAction(Qt::LeftButton, inside, false), MonitorAction::Next);
    EXPECT_EQ(MonitorClickAction(Qt::RightButton, inside, false), MonitorAction::Previous);
    EXPECT_EQ(MonitorClickAction(Qt::MiddleButton, inside, false), MonitorAction::Nothing);
    EXPECT_EQ(MonitorClickAction(Qt::LeftButton, {0, 3500}, false), MonitorAction::Next) << "the frame's corner";
    EXPECT_EQ(MonitorClickAction(Qt::LeftButton, {10000, -3700}, false), MonitorAction::Next) << "above the frame";
    for (const QPointF outside : {QPointF(-1, 0), QPointF(10001, 0), QPointF(5000, 3501)})
        EXPECT_EQ(MonitorClickAction(Qt::LeftButton, outside, false), MonitorAction::Close) << outside.x() << "," << outside.y();
    EXPECT_EQ(MonitorClickAction(Qt::LeftButton, inside, true), MonitorAction::Close) << "after a measurement";
    EXPECT_EQ(MonitorClickAction(Qt::RightButton, inside, true), MonitorAction::Close);
}

TEST(ScoreMonitor, TextLineRightAlignsEachScoreInFourCharacters)
{
    EXPECT_EQ(MonitorTextLine(12, 1234, 678, 556),
              QStringLiteral("エントリー№ : 12  成績 ：1234 点 / 2000点   最大値 ： 678 点   積算値： 556 点"));
    EXPECT_EQ(MonitorTextLine(3000, 2000, 1000, 1000),
              QStringLiteral("エントリー№ : 3000  成績 ：2000 点 / 2000点   最大値 ：1000 点   積算値：1000 点"));
    EXPECT_EQ(MonitorTextLine(1, 0, 0, 5),
              QStringLiteral("エントリー№ : 1  成績 ：   0 点 / 2000点   最大値 ：   0 点   積算値：   5 点"));
}

TEST(LoudnessGraph, TimeLabelsFollowTheMeasurementTimeAndNoiseLinesTheCutLevel)
{
    EXPECT_EQ(TimeLabel(1, 5), QStringLiteral("0.5"));
    EXPECT_EQ(TimeLabel(10, 5), QStringLiteral("5.0"));
    EXPECT_EQ(TimeLabel(3, 7), QStringLiteral("2.1"));
    EXPECT_EQ(TimeLabel(10, 30), QStringLiteral("30.0"));
    EXPECT_EQ(NoiseLineOffset(0), 0);
    EXPECT_EQ(NoiseLineOffset(5), 163);
    EXPECT_EQ(NoiseLineOffset(100), 3277);
}

TEST(LoudnessGraph, GraphUnitsCoverTheWindowWithYDownwards)
{
    const QTransform toPixels = GraphTransform(QSize(1040, 760));
    EXPECT_EQ(toPixels.map(QPointF(-200, -3800)), QPointF(0, 0));
    EXPECT_EQ(toPixels.map(QPointF(10200, 3800)), QPointF(1040, 760));
    EXPECT_EQ(toPixels.map(QPointF(0, -3500)), QPointF(20, 30));
}

