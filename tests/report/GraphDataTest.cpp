#include "report/GraphData.h"

#include "core/WavHeader.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

TEST(GraphData, TheSheetDrawsTheRecordingItsRecordDescribesOrSaysItCannot)
{
    TestFolder folder;
    LoadedEntrant entrant;
    entrant.EntryNo = 7;
    entrant.Quality = RecordingQuality::Middle;
    entrant.SampleCount = 3;
    folder.Write(QStringLiteral("xx0007.wav"), MakeRecordingHeader(16000, 16, 6) + QByteArray::fromHex("0080ffff3412"));
    EXPECT_EQ(LoadGraphData(folder.Context, entrant), (std::vector<int16_t>{-32768, -1, 4660}));
    EXPECT_TRUE(folder.Messages.Messages.empty());

    entrant.Quality = RecordingQuality::High;
    EXPECT_TRUE(LoadGraphData(folder.Context, entrant).empty()) << "16 kHz read as 48 kHz";
    ASSERT_EQ(folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(folder.Messages.Messages[0].Text, QStringLiteral("音声データが不正です。(7)\nフォルダおよびファイルを確認してください！"));
    EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Warning);
}
