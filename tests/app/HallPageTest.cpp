#include "app/HallPage.h"

#include "app/AppContext.h"
#include "core/ResultStore.h"
#include "core/ProgramOptions.h"
#include "support/AppTestFolder.h"
#include "support/HallClient.h"
#include "support/ResultLog.h"

#include <gtest/gtest.h>

TEST(HallPage, ADamagedLogIsNoRankingUntilADataClear)
{
    AppTestFolder folder;
    WriteLog(folder, {StoredEntrant(1, 700), StoredEntrant(2, 900)});
    folder.Write(QStringLiteral("loudlog.dat"), folder.Read(QStringLiteral("loudlog.dat")).left(ResultRecord::Size * 14 + 9));
    const int port = FreePort();
    ASSERT_FALSE(SaveHallOptions(folder.Context, {true, port, {}}));
    HallPage page(folder.Context, [] { return EntrantNameLookup(); });
    page.Apply();

    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 503);
    ASSERT_FALSE(ClearLog(folder.Context));
    page.Refresh();
    const std::string ranking = Exchange(port, Get("/api/ranking"));
    EXPECT_EQ(StatusOf(ranking), 200);
    EXPECT_NE(BodyOf(ranking).find("\"count\":0"), std::string::npos);
}

TEST(HallPage, TheOperatorIsToldWhichFamilyFailedAndWhy)
{
    using F = HallBindFailure;
    const struct {
        HallStart Outcome;
        const char* Text;
    } cases[] = {
        {{F::None, F::None}, nullptr},
        {{F::None, F::FamilyUnavailable}, nullptr},
        {{F::FamilyUnavailable, F::None}, nullptr},
        {{F::PortInUse, F::PortInUse},
         "会場Webのポート 80:\nIPv4: 他のプログラムが使っています\nIPv6: 他のプログラムが使っています\n会場Webなしで続けます。"},
        {{F::NotPermitted, F::FamilyUnavailable},
         "会場Webのポート 80:\nIPv4: 使う権限がありません（1024 未満のポートは管理者用です）\nIPv6: このパソコンでは使えません\n"
         "会場Webなしで続けます。"},
        {{F::PortInUse, F::None}, "会場Webのポート 80:\nIPv4: 他のプログラムが使っています\n会場Webはもう一方だけで続けます。"},
    };
    for (const auto& start : cases) {
        const std::optional<QString> text = HallStartText(start.Outcome, 80);
        EXPECT_EQ(text.value_or(QString()), start.Text ? QString::fromUtf8(start.Text) : QString());
    }
}

TEST(HallPage, AStoredResultJoinsTheRankingUnreadAndAnUnexpectedOneHasTheLogReadWhole)
{
    AppTestFolder folder;
    WriteLog(folder, {StoredEntrant(1, 700), StoredEntrant(2, 900)});
    const int port = FreePort();
    ASSERT_FALSE(SaveHallOptions(folder.Context, {true, port, {}}));
    HallPage page(folder.Context, [] { return EntrantNameLookup(); });
    page.Apply();

    // Damaged behind the page's back: the next entrant's record needs none of it.
    folder.Write(QStringLiteral("loudlog.dat"), "damaged");
    page.AddStored(StoredEntrant(3, 800), std::nullopt);
    const std::string ranking = BodyOf(Exchange(port, Get("/api/ranking")));
    EXPECT_NE(ranking.find("\"count\":3,\"entrants\":[{\"entryNo\":2,"), std::string::npos) << ranking;

    page.AddStored(StoredEntrant(5, 100), std::nullopt);
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 503) << "entrant 4 missing: the log is read and found damaged";
}
