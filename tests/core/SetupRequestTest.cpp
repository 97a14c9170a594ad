#include "core/SetupRequest.h"

#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString SetupFile = QStringLiteral("SKANRI.REC");

}

TEST(SetupRequest, IsReadWithItsCompanionAndWrittenBackWithIt)
{
    StoreFolder folder;
    folder.Write(SetupFile, "#TRUE#\r\n#TRUE#\r\n");
    EXPECT_FALSE(LoadSetupRequest(folder.Context));
    EXPECT_TRUE(folder.Context.Contest.SetupRequest);
    EXPECT_TRUE(folder.Context.Contest.SetupCompanion);

    folder.Context.Contest.SetupRequest = false;
    EXPECT_FALSE(SaveSetupRequest(folder.Context));
    EXPECT_EQ(folder.Read(SetupFile), QByteArray("#FALSE#\r\n#TRUE#\r\n")) << "the companion is written back unchanged";
}

TEST(SetupRequest, AnUnreadableFileIsReportedAndKeepsWhatWasRead)
{
    StoreFolder folder;
    EXPECT_TRUE(LoadSetupRequest(folder.Context)) << "a missing file";
    folder.Write(SetupFile, "#TRUE#\r\n\"x\"\r\n");
    EXPECT_TRUE(LoadSetupRequest(folder.Context));
    EXPECT_TRUE(folder.Context.Contest.SetupRequest);
    EXPECT_FALSE(folder.Context.Contest.SetupCompanion);
}

TEST(SetupRequest, AFailedSaveIsReportedWithItsFile)
{
    StoreFolder folder;
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(SetupFile));
    folder.Context.Contest.SetupRequest = true;
    const std::optional<SetupRequestNotWritten> failure = SaveSetupRequest(folder.Context);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Path, folder.Path(SetupFile));
}
