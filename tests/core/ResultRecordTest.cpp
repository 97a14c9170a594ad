#include "core/ResultRecord.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace {

ResultRecord DistinctRecord()
{
    ResultRecord record;
    record.EntryNo = 0x0102;
    record.TotalPoints = 1999;
    record.MaxPoints = -2;
    record.MaxRaw = 0x0A0B0C0D;
    record.IntegPoints = 0x1112;
    record.IntegRaw = -3;
    record.SampleCount = 1440000;
    std::memcpy(record.Remark.data(), "abcdefghijklmnopqrstuvwx", 24);
    record.Rank = 0x2122;
    record.MeasuredAt = 46363.5;
    record.Reserved1 = -1;
    record.Reserved2 = 0x31323334;
    record.Reserved3 = 0x41424344;
    record.NoiseCutLevel = 0x5152;
    record.MeasureSeconds = 0x6162;
    record.Quality = 0x7172;
    return record;
}

template <class T>
T At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

}

TEST(ResultRecord, FieldsArePackedLittleEndianAtTheirOffsets)
{
    const QByteArray bytes = DistinctRecord().Encode();
    ASSERT_EQ(bytes.size(), 70);
    EXPECT_EQ(bytes.left(2), QByteArray("\x02\x01"));
    EXPECT_EQ(At<int16_t>(bytes, 2), 1999);
    EXPECT_EQ(At<int16_t>(bytes, 4), -2);
    EXPECT_EQ(bytes.mid(6, 4), QByteArray("\x0D\x0C\x0B\x0A"));
    EXPECT_EQ(At<int16_t>(bytes, 10), 0x1112);
    EXPECT_EQ(At<int32_t>(bytes, 12), -3);
    EXPECT_EQ(At<int32_t>(bytes, 16), 1440000);
    EXPECT_EQ(bytes.mid(20, 24), QByteArray("abcdefghijklmnopqrstuvwx"));
    EXPECT_EQ(At<int16_t>(bytes, 44), 0x2122);
    EXPECT_EQ(At<double>(bytes, 46), 46363.5);
    EXPECT_EQ(At<int16_t>(bytes, 54), -1);
    EXPECT_EQ(At<int32_t>(bytes, 56), 0x31323334);
    EXPECT_EQ(At<int32_t>(bytes, 60), 0x41424344);
    EXPECT_EQ(At<int16_t>(bytes, 64), 0x5152);
    EXPECT_EQ(At<int16_t>(bytes, 66), 0x6162);
    EXPECT_EQ(At<int16_t>(bytes, 68), 0x7172);
}

TEST(ResultRecord, DecodesWhatItEncodes)
{
    const ResultRecord record = DistinctRecord();
    EXPECT_EQ(ResultRecord::Decode(record.Encode().constData()), record);
}

TEST(ResultRecord, AClearedRecordIsUnusedWithBlankRemark)
{
    const ResultRecord cleared = ResultRecord::Cleared(7, 1.5);
    EXPECT_TRUE(cleared.IsUnused());
    const QByteArray bytes = cleared.Encode();
    EXPECT_EQ(At<int16_t>(bytes, 0), 7);
    for (int offset : {2, 4, 10, 44})
        EXPECT_EQ(At<int16_t>(bytes, offset), -1) << offset;
    for (int offset : {6, 12, 16})
        EXPECT_EQ(At<int32_t>(bytes, offset), -1) << offset;
    EXPECT_EQ(bytes.mid(20, 24), QByteArray(24, ' '));
    EXPECT_EQ(At<double>(bytes, 46), 1.5);
    EXPECT_EQ(bytes.mid(54), QByteArray(16, '\0'));
}
