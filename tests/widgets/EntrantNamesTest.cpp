#include "widgets/EntrantNames.h"

#include "core/ProgramOptions.h"
#include "support/TestFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Header = QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n").toUtf8();

}

TEST(EntrantNames, ADamagedListIsNamedOnceAndNeverRewrittenUntilItChanges)
{
    TestFolder folder;
    const QByteArray damaged = Header + "1,A,\r\n1,B,\r\n";
    folder.Write(QStringLiteral("entrants.csv"), damaged);
    EXPECT_TRUE(ReadEntrantNames(folder.Context).IsEmpty());
    EXPECT_TRUE(ReadHallNames(folder.Context).IsEmpty());
    EXPECT_TRUE(ReadEntrantNames(folder.Context).IsEmpty());
    const QString named = QStringLiteral("名簿ファイルが読めないか、壊れています。(%1 3行目)\n名前を表示せず、番号だけを表示します。")
                              .arg(QDir::toNativeSeparators(folder.Path(QStringLiteral("entrants.csv"))));
    EXPECT_EQ(folder.Messages.Texts(), std::vector<QString>{named});
    EXPECT_EQ(folder.Read(QStringLiteral("entrants.csv")), damaged);

    folder.Write(QStringLiteral("entrants.csv"), Header + "0,A,\r\n");
    EXPECT_TRUE(ReadEntrantNames(folder.Context).IsEmpty());
    EXPECT_EQ(folder.Messages.Texts().size(), 2u) << "another damage is named again";
}

TEST(EntrantNames, TheHallSeesNamesOnlyWhileTheOperatorShowsThem)
{
    TestFolder folder;
    folder.Write(QStringLiteral("entrants.csv"), Header + "2,Ann,\r\n");
    EXPECT_EQ(ReadHallNames(folder.Context).NameOf(2), QStringLiteral("Ann"));
    ProgramOptions options;
    options.ShowNames = false;
    ASSERT_FALSE(SaveProgramOptions(folder.Context, options));
    EXPECT_TRUE(ReadHallNames(folder.Context).IsEmpty());
    EXPECT_EQ(ReadEntrantNames(folder.Context).NameOf(2), QStringLiteral("Ann"));
}
