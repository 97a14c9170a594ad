#include "report/GraphData.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

QByteArray Recording(const QByteArray& samples)
{
    return QByteArray(46, 'h') + samples;
}

const QString Unreadable = QStringLiteral("音声データが不正です。(7)\nフォルダおよびファイルを確認してください！");

}

TEST(GraphData, SamplesAreReadPastTheHeaderAsSignedLevels)
{
    TestFolder folder;
    folder.Write(QStringLiteral("xx0007.wav"), Recording(QByteArray::fromHex("0080ff")));
    EXPECT_EQ(LoadGraphData8(folder.Context, 7), (std::vector<int16_t>{-128, 0, 127}));

    // -32768, -1, 4660, then an odd byte that makes no sample.
    folder.Write(QStringLiteral("xx0007.wav"), Recording(QByteArray::fromHex("0080ffff341299")));
    EXPECT_EQ(LoadGraphData16(folder.Context, 7), (std::vector<int16_t>{-32768, -1, 4660}));
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST(GraphData, AFileOfTheHeaderOrLessHasNoSamplesAndNoMessage)
{
    TestFolder folder;
    for (const int size : {0, 20, 46}) {
        folder.Write(QStringLiteral("xx0007.wav"), QByteArray(size, 'h'));
        EXPECT_TRUE(LoadGraphData8(folder.Context, 7).empty());
        EXPECT_TRUE(LoadGraphData16(folder.Context, 7).empty());
    }
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST(GraphData, AMissingOrOversizedRecordingIsReportedAndDrawsNoSamples)
{
    TestFolder folder;
    EXPECT_TRUE(LoadGraphData16(folder.Context, 7).empty());
    folder.Write(QStringLiteral("xx0007.wav"), Recording(QByteArray(250001, '\x80')));
    EXPECT_TRUE(LoadGraphData8(folder.Context, 7).empty());
    folder.Write(QStringLiteral("xx0007.wav"), Recording(QByteArray(250000, '\x80')));
    EXPECT_EQ(LoadGraphData8(folder.Context, 7).size(), 250000u);

    ASSERT_EQ(folder.Messages.Messages.size(), 2u);
    for (const auto& message : folder.Messages.Messages) {
        EXPECT_EQ(message.Text, Unreadable);
        EXPECT_EQ(message.Icon, MessageIcon::Warning);
    }
}
