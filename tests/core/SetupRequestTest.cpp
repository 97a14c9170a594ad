#include "core/ResultStore.h"
#include "core/SetupRequest.h"

#include "support/TestFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString SetupFile = QStringLiteral("SKANRI.REC");

}

TEST(SetupRequest, IsConsumedOnceAndTheSettingsAreReset)
{
    TestFolder folder;
    folder.Write(SetupFile, "#TRUE#\r\n#TRUE#\r\n");
    LoadSetupRequest(folder.Context);
    EXPECT_TRUE(folder.Context.Contest.SetupRequest);
    EXPECT_TRUE(folder.Context.Contest.SetupCompanion);

    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(ConsumeSetupRequest(folder.Context));
    EXPECT_EQ(folder.Read(SetupFile), QByteArray("#FALSE#\r\n#TRUE#\r\n")) << "the companion is written back unchanged";
    EXPECT_EQ(folder.Messages.Texts(), std::vector<QString>{QStringLiteral("環境設定を初期値に戻します。")});
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOU1.REC")));
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOUB.REC")));
}

TEST(SetupRequest, IsClearedBeforeTheQuestionSoANoDoesNotAskAgain)
{
    TestFolder folder;
    folder.Write(SetupFile, "#TRUE#\r\n#FALSE#\r\n");
    folder.Messages.Answer(MessageAnswer::No);
    EXPECT_FALSE(ConsumeSetupRequest(folder.Context));
    EXPECT_TRUE(folder.Context.EndRequested());
    EXPECT_EQ(folder.Read(SetupFile), QByteArray("#FALSE#\r\n#FALSE#\r\n"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("KANKYOU1.REC")));
}

TEST(SetupRequest, AnUnreadableFileIsReportedAndKeepsWhatWasRead)
{
    TestFolder folder;
    LoadSetupRequest(folder.Context);
    folder.Write(SetupFile, "#TRUE#\r\n\"x\"\r\n");
    LoadSetupRequest(folder.Context);
    const std::vector<QString> expected(2, QStringLiteral("データが不正です。(SKANRI)"));
    EXPECT_EQ(folder.Messages.Texts(), expected);
    EXPECT_EQ(folder.Messages.Messages[1].Icon, MessageIcon::Warning);
    EXPECT_TRUE(folder.Context.Contest.SetupRequest);
    EXPECT_FALSE(folder.Context.Contest.SetupCompanion);
}

TEST(SetupRequest, AFailedSaveIsReported)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(SetupFile));
    folder.Context.Contest.SetupRequest = true;
    EXPECT_FALSE(SaveSetupRequest(folder.Context));
    EXPECT_EQ(folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)\nディスクやファイル属性を確認してください！")});
    EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Error);
}
