#include "entrants/EntrantsWindow.h"

#include "core/Cp932.h"
#include "core/ProgramOptions.h"
#include "support/ResultLog.h"
#include "support/TestFolder.h"
#include "support/WidgetTestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

const QString Yoshi = QString::fromUcs4(U"𠮷");

class EntrantsWindowTest : public testing::Test {
protected:
    QTableWidget* Table() const { return Window.findChild<QTableWidget*>(QStringLiteral("entrantTable")); }
    void Type(int entryNo, int column, const QString& text) const { Table()->item(entryNo - 1, column)->setText(text); }
    void Click(const char* button) const { Window.findChild<QPushButton*>(QLatin1String(button))->click(); }
    QByteArray StoredList() const { return Folder.Read(QStringLiteral("entrants.csv")); }

    bool Application = (EnsureApplication(), true);
    TestFolder Folder;
    EntrantsWindow Window{Folder.Context};
};

}

TEST_F(EntrantsWindowTest, RegisteringStoresTheTableAsTheListAndTheHallChoice)
{
    WriteLogOfTotals(Folder, {900, 1200, 700});
    Window.show();
    EXPECT_EQ(Table()->rowCount(), 54) << "up to the next entrant + 50";
    Type(4, 1, QStringLiteral(" 髙田 一郎 "));
    Type(4, 2, QStringLiteral("北小, 3年"));
    Type(2, 1, Yoshi.repeated(40));
    Type(3, 2, QStringLiteral("group without a name"));
    Window.findChild<QCheckBox*>(QStringLiteral("showNamesBox"))->setChecked(false);
    Folder.Messages.Answer(MessageAnswer::Yes);
    Click("registerButton");
    EXPECT_EQ(StoredList(), QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n2,%1,\r\n4,髙田 一郎,\"北小, 3年\"\r\n")
                                                              .arg(Yoshi.repeated(40))
                                                              .toUtf8());
    EXPECT_FALSE(LoadProgramOptions(Folder.Context).ShowNames);
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("名簿を登録しますか？"), QStringLiteral("登録しました。")}));
}

TEST_F(EntrantsWindowTest, ADamagedListIsKeptAsideWhenRegisteringReplacesIt)
{
    const QByteArray damaged = "not a list of entrants\r\n";
    Folder.Write(QStringLiteral("entrants.csv"), damaged);
    Folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 20, 5)); };
    Window.show();
    Type(1, 1, QStringLiteral("Ann"));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Click("registerButton");
    EXPECT_EQ(Folder.Read(QStringLiteral("entrants_20261207-142005.csv")), damaged);
    EXPECT_TRUE(StoredList().endsWith("1,Ann,\r\n"));
}

TEST_F(EntrantsWindowTest, ATextOverFortyCharactersIsRefusedAndTheCellKeepsItsText)
{
    Window.show();
    Type(1, 1, QStringLiteral("山田"));
    Type(1, 1, QStringLiteral("山田") + Yoshi.repeated(39));
    Type(1, 2, QString(41, QLatin1Char('x')));
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>(2, QStringLiteral("名前と所属は40文字までです。"))));
    EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田"));
    EXPECT_TRUE(Table()->item(0, 2)->text().isEmpty());
    EXPECT_EQ(Window.ShownRoster().NameOf(1), QStringLiteral("山田"));
}

TEST_F(EntrantsWindowTest, AnImportIsShownAndStoredOnlyWithRegisterAndAFaultNamesItsLine)
{
    const QString sheet = Folder.Path(QStringLiteral("sheet.csv"));
    Window.SetOpenDialog([&sheet](QWidget*, const QString&) { return sheet; });
    Window.show();
    Folder.Write(QStringLiteral("sheet.csv"), *EncodeCp932(QStringLiteral("氏名,所属\r\n山田,A組\r\n鈴木\r\n")));
    Click("importButton");
    EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田"));
    EXPECT_EQ(Table()->item(1, 1)->text(), QStringLiteral("鈴木"));
    EXPECT_FALSE(Folder.Exists(QStringLiteral("entrants.csv")));

    Folder.Write(QStringLiteral("sheet.csv"), QByteArray("1,A\r\n1,B\r\n"));
    Click("importButton");
    EXPECT_EQ(Folder.Messages.Texts().back(),
              QStringLiteral("エントリーNoが正しくありません。(%1 2行目)\n1～3000の番号を重複なく指定してください。").arg(sheet));
    EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田")) << "a failed import leaves the table";
}
