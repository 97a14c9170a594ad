#include "results/LoudnessGraph.h"
#include "results/MonitorNavigation.h"

#include "platform/WavHeader.h"

#include <QFile>
#include <QTemporaryDir>
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

TEST(LoudnessGraph, RecordingsAreReadAfterTheHeaderInTheWidthOfTheirQuality)
{
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return dir.filePath(name);
    };
    const QByteArray header = MakeRecordingHeader(16000, 16, 6);
    const QString sixteen = write(QStringLiteral("xx0001.wav"), header + QByteArray("\x00\x80\xff\xff\x34\x12", 6));
    const std::optional<RecordingLevels> read16 = ReadRecordingLevels(sixteen, 1);
    ASSERT_TRUE(read16);
    EXPECT_EQ(read16->Levels, (std::vector<int16_t>{-32768, -1, 4660}));
    EXPECT_EQ(read16->Width, SampleWidth::Bits16);
    const std::optional<RecordingLevels> read8 = ReadRecordingLevels(sixteen, 0);
    ASSERT_TRUE(read8) << "the recorded quality decides, not the header";
    EXPECT_EQ(read8->Levels, (std::vector<int16_t>{-128, 0, 127, 127, -76, -110}));

    EXPECT_FALSE(ReadRecordingLevels(dir.filePath(QStringLiteral("missing.wav")), 1));
    const QString shorter = write(QStringLiteral("short.wav"), header.left(20));
    ASSERT_TRUE(ReadRecordingLevels(shorter, 2));
    EXPECT_TRUE(ReadRecordingLevels(shorter, 2)->Levels.empty()) << "shorter than its header: no samples";
    const QString longest8 = write(QStringLiteral("long8.wav"), header + QByteArray(250000, '\x80'));
    EXPECT_TRUE(ReadRecordingLevels(longest8, 0));
    const QString tooLong8 = write(QStringLiteral("toolong8.wav"), header + QByteArray(250001, '\x80'));
    EXPECT_FALSE(ReadRecordingLevels(tooLong8, 0));
    const QString tooLong16 = write(QStringLiteral("toolong16.wav"), header + QByteArray(6000002, '\0'));
    EXPECT_FALSE(ReadRecordingLevels(tooLong16, 1));
}
