#include "report/ReportSettings.h"

#include "core/Cp932.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString FileName = QStringLiteral("REPSETZ.REC");
const QString LoadFailure = QStringLiteral("レポート設定ファィル不正です！");
const QString SaveFailure = QStringLiteral("レポート設定ファイルが不正です。");

}

TEST(ReportSettings, APrinterNameWithBlanksAndJapaneseComesBackUnchanged)
{
    TestFolder folder;
    QDir::setCurrent(QDir::tempPath());
    const QString name = QStringLiteral("事務所 プリンター №2");
    ASSERT_TRUE(SaveReportSettings(folder.Context, name));
    EXPECT_EQ(folder.Read(FileName), '"' + *EncodeCp932(name) + "\"\r\n");

    QString loaded = QStringLiteral("before");
    ASSERT_EQ(LoadReportSettings(folder.Context, loaded), ReportSettingsLoad::Loaded);
    EXPECT_EQ(loaded, name);
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST(ReportSettings, AnEmptyNameNeverReplacesARememberedOne)
{
    TestFolder folder;
    ASSERT_TRUE(SaveReportSettings(folder.Context, {}));
    EXPECT_FALSE(QFile::exists(folder.Path(FileName)));
    ASSERT_TRUE(SaveReportSettings(folder.Context, QStringLiteral("PDF")));
    ASSERT_TRUE(SaveReportSettings(folder.Context, {}));
    EXPECT_EQ(folder.Read(FileName), QByteArray("\"PDF\"\r\n"));
}

TEST(ReportSettings, AMissingFileIsAFirstUseButADamagedOneIsReported)
{
    TestFolder missing;
    QString name = QStringLiteral("PDF");
    EXPECT_EQ(LoadReportSettings(missing.Context, name), ReportSettingsLoad::Missing);
    EXPECT_EQ(name, QStringLiteral("PDF"));
    EXPECT_TRUE(missing.Messages.Messages.empty());

    for (const QByteArray& content : {QByteArray(), QByteArray("\"PDF")}) {
        TestFolder folder;
        folder.Write(FileName, content);
        EXPECT_EQ(LoadReportSettings(folder.Context, name), ReportSettingsLoad::Damaged) << content.constData();
        EXPECT_EQ(name, QStringLiteral("PDF"));
        ASSERT_EQ(folder.Messages.Messages.size(), 1u);
        EXPECT_EQ(folder.Messages.Messages[0].Text, LoadFailure);
        EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Error);
    }
}

TEST(ReportSettings, AFailedSaveIsReportedAndLeavesTheOldFileWhole)
{
    TestFolder folder;
    ASSERT_TRUE(SaveReportSettings(folder.Context, QStringLiteral("PDF")));
    // A name the file cannot hold.
    EXPECT_FALSE(SaveReportSettings(folder.Context, QStringLiteral("Office \"A\"")));
    EXPECT_EQ(folder.Read(FileName), QByteArray("\"PDF\"\r\n"));
    // A file that cannot be replaced.
    TestFolder blocked;
    ASSERT_TRUE(QDir(blocked.Dir.path()).mkdir(FileName));
    EXPECT_FALSE(SaveReportSettings(blocked.Context, QStringLiteral("PDF")));

    EXPECT_EQ(folder.Messages.Texts(), std::vector<QString>{QStringLiteral("このプリンター名は登録できません！")});
    EXPECT_EQ(blocked.Messages.Texts(), std::vector<QString>{SaveFailure});
    EXPECT_EQ(blocked.Messages.Messages[0].Icon, MessageIcon::Warning);
}
