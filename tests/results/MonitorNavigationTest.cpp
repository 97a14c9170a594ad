#include "results/LoudnessGraph.h"
#include "results/MonitorNavigation.h"

#include "core/WavHeader.h"

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

TEST(LoudnessGraph, ARecordingIsReadOnlyWhenItIsTheOneItsRecordDescribes)
{
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return dir.filePath(name);
    };
    const QString sixteen = write(QStringLiteral("16k.wav"), MakeRecordingHeader(16000, 16, 6) + QByteArray("\x00\x80\xff\xff\x34\x12", 6));
    const std::optional<RecordingLevels> read16 = ReadEntrantRecording(sixteen, RecordingQuality::Middle, 3);
    ASSERT_TRUE(read16);
    EXPECT_EQ(read16->Levels, (std::vector<int16_t>{-32768, -1, 4660}));
    EXPECT_EQ(read16->Width, SampleWidth::Bits16);
    const QString eight = write(QStringLiteral("8k.wav"), MakeRecordingHeader(8000, 8, 3) + QByteArray("\x00\x80\xff", 3));
    ASSERT_TRUE(ReadEntrantRecording(eight, RecordingQuality::Normal, 3));
    EXPECT_EQ(ReadEntrantRecording(eight, RecordingQuality::Normal, 3)->Levels, (std::vector<int16_t>{-128, 0, 127}));
    const QString headerOnly = write(QStringLiteral("silent.wav"), MakeRecordingHeader(48000, 16, 0));
    ASSERT_TRUE(ReadEntrantRecording(headerOnly, RecordingQuality::High, 0)) << "a record of no samples";
    EXPECT_TRUE(ReadEntrantRecording(headerOnly, RecordingQuality::High, 0)->Levels.empty());
    const QString longest8 = write(QStringLiteral("long8.wav"), MakeRecordingHeader(8000, 8, 250000) + QByteArray(250000, '\x80'));
    EXPECT_TRUE(ReadEntrantRecording(longest8, RecordingQuality::Normal, 250000));

    const struct {
        QString Path;
        int Quality;
        const char* Why;
    } refused[] = {
        {sixteen, 0, "16 kHz 16 bit read as 8 kHz 8 bit"},
        {sixteen, 2, "16 kHz read as 48 kHz"},
        {eight, 1, "8 bit read as 16 bit"},
        {sixteen, 3, "an unknown quality"},
        {headerOnly, 2, "no sample although the record counted some"},
        {write(QStringLiteral("empty.wav"), {}), 1, "zero bytes"},
        {write(QStringLiteral("cut.wav"), MakeRecordingHeader(16000, 16, 6) + QByteArray(4, '\0')), 1, "shorter than its header says"},
        {dir.filePath(QStringLiteral("missing.wav")), 1, "missing"},
        {write(QStringLiteral("toolong8.wav"), MakeRecordingHeader(8000, 8, 250001) + QByteArray(250001, '\x80')), 0, "too long"},
        {write(QStringLiteral("toolong16.wav"), MakeRecordingHeader(16000, 16, 6000002) + QByteArray(6000002, '\0')), 1, "too long"},
    };
    for (const auto& row : refused)
        EXPECT_FALSE(ReadEntrantRecording(row.Path, static_cast<RecordingQuality>(row.Quality), 1000)) << row.Why;
}
