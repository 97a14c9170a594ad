#include "core/ReportSettings.h"

#include "core/Cp932.h"
#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString FileName = QStringLiteral("REPSETZ.REC");

}

TEST(ReportSettings, APrinterNameWithBlanksAndJapaneseComesBackUnchanged)
{
    StoreFolder folder;
    const QString name = QStringLiteral("事務所 プリンター №2");
    ASSERT_FALSE(SaveReportSettings(folder.Context, name));
    EXPECT_EQ(folder.Read(FileName), '"' + *EncodeCp932(name) + "\"\r\n");
    EXPECT_EQ(std::get<QString>(LoadReportSettings(folder.Context)), name);
}

TEST(ReportSettings, AnEmptyNameNeverReplacesARememberedOne)
{
    StoreFolder folder;
    ASSERT_FALSE(SaveReportSettings(folder.Context, {}));
    EXPECT_FALSE(QFile::exists(folder.Path(FileName)));
    ASSERT_FALSE(SaveReportSettings(folder.Context, QStringLiteral("PDF")));
    ASSERT_FALSE(SaveReportSettings(folder.Context, {}));
    EXPECT_EQ(folder.Read(FileName), QByteArray("\"PDF\"\r\n"));
}

TEST(ReportSettings, AMissingFileIsAFirstUseButADamagedOneIsNot)
{
    StoreFolder missing;
    EXPECT_TRUE(std::holds_alternative<ReportSettingsMissing>(LoadReportSettings(missing.Context)));
    for (const QByteArray& content : {QByteArray(), QByteArray("\"PDF")}) {
        StoreFolder folder;
        folder.Write(FileName, content);
        EXPECT_TRUE(std::holds_alternative<ReportSettingsDamaged>(LoadReportSettings(folder.Context))) << content.constData();
    }
}

TEST(ReportSettings, AFailedSaveSaysWhyAndLeavesTheOldFileWhole)
{
    StoreFolder folder;
    ASSERT_FALSE(SaveReportSettings(folder.Context, QStringLiteral("PDF")));
    const ReportSettingsSave refused = SaveReportSettings(folder.Context, QStringLiteral("Office \"A\""));
    ASSERT_TRUE(refused);
    EXPECT_TRUE(std::holds_alternative<PrinterNameNotStorable>(*refused));
    EXPECT_EQ(folder.Read(FileName), QByteArray("\"PDF\"\r\n"));

    StoreFolder blocked;
    ASSERT_TRUE(QDir(blocked.Dir.path()).mkdir(FileName));
    const ReportSettingsSave failed = SaveReportSettings(blocked.Context, QStringLiteral("PDF"));
    ASSERT_TRUE(failed);
    EXPECT_TRUE(std::holds_alternative<ReportSettingsNotWritten>(*failed));
}
