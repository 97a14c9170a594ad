#include "widgets/FactorySettings.h"

#include "core/ContestOperations.h"
#include "core/ResultStore.h"
#include "core/SettingsStore.h"
#include "support/TestFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString ResetQuestion = QStringLiteral("環境設定を初期値に戻します。");
const QString LoggedEntrantsWarning = QStringLiteral("\n\n測定ログには出場者の記録があります。\n"
                                                     "測定時間・録音品質・ノイズカット・録音ボリュームが出荷時の値に戻ると、"
                                                     "次の出場者から測定の条件が変わります。");
const QString Broken = QStringLiteral("環境設定データが不正です!\nKANKYOU1.REC がありません。\n出荷時に戻します。");

}

TEST(FactorySettings, ADamagedBasicFileIsNamedAndYesStoresTheFactoryValues)
{
    TestFolder folder;
    folder.Context.Settings.Basic.MeasureSeconds = 9;
    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(LoadBasicSettingsOrRecover(folder.Context));
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{Broken, ResetQuestion}));
    EXPECT_EQ(folder.Messages.Messages[1].Icon, MessageIcon::None);
    EXPECT_EQ(folder.Messages.Messages[1].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(folder.Context.Settings.Basic, BasicSettings::Factory());
    EXPECT_TRUE(folder.Exists(QStringLiteral("KANKYOUB.REC")));
    EXPECT_FALSE(folder.Context.EndRequested());
}

TEST(FactorySettings, NoEndsTheProgramWithoutWritingAnything)
{
    TestFolder folder;
    folder.Messages.Answer(MessageAnswer::No);
    EXPECT_FALSE(LoadBasicSettingsOrRecover(folder.Context));
    EXPECT_TRUE(folder.Context.EndRequested());
    EXPECT_TRUE(QDir(folder.Dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(FactorySettings, EachFileTheFactoryValuesCannotReplaceIsTold)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("KANKYOU2.REC")));
    ASSERT_TRUE(QDir(folder.Dir.path()).mkdir(QStringLiteral("KANKYOU4.REC")));
    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(OfferFactorySettings(folder.Context));
    const QString notWritten = QStringLiteral("管理データの書き込みができません！");
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{ResetQuestion, notWritten, notWritten}));
}

TEST(FactorySettings, TheQuestionWarnsOfTheNextEntrantsOnlyWhileTheLogHoldsEntrants)
{
    TestFolder folder;
    ASSERT_FALSE(ClearLog(folder.Context));
    folder.Messages.Answer(MessageAnswer::No);
    OfferFactorySettings(folder.Context);
    EXPECT_EQ(folder.Messages.Texts(), std::vector<QString>{ResetQuestion}) << "a cleared log";

    MeasureResult result;
    result.TotalPoints = Points{500};
    ASSERT_TRUE(std::holds_alternative<ResultRecord>(StoreResult(folder.Context, MeasuredNow(folder.Context, 1, result))));
    folder.Messages.Answer(MessageAnswer::No);
    OfferFactorySettings(folder.Context);
    EXPECT_EQ(folder.Messages.Texts().back(), ResetQuestion + LoggedEntrantsWarning);
}
