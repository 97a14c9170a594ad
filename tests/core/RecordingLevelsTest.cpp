#include "core/RecordingLevels.h"

#include "core/WavHeader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RecordingLevels, ARecordingIsReadOnlyWhenItIsTheOneItsRecordDescribes)
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
