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
#include <sys/stat.h>

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
    Folder.Write(QStringLiteral("sheet.csv"), *EncodeCp932(QStringLiteral("選手名,,所属\r\n,,\r\n山田,,A組\r\n鈴木\r\n")));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Click("importButton");
    EXPECT_EQ(Folder.Messages.Texts().back(), QStringLiteral("番号の列がないため、上の行から順に1番、2番…とします。\n1行目は見出しですか？\n\n"
                                                             "1行目：「選手名」「所属」\n3行目：「山田」「A組」\n\n"
                                                             "はい：1行目を見出しとして飛ばします（3行目が1番「山田」）。\n"
                                                             "いいえ：1行目も名前として読みます（1行目が1番「選手名」）。\n"
                                                             "キャンセル：読み込みません。"));
    EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田"));
    EXPECT_EQ(Table()->item(0, 2)->text(), QStringLiteral("A組"));
    EXPECT_EQ(Table()->item(1, 1)->text(), QStringLiteral("鈴木"));
    EXPECT_FALSE(Folder.Exists(QStringLiteral("entrants.csv")));

    const struct {
        QByteArray Bytes;
        QString Message;
    } refused[] = {
        {"1,A\r\n1,B\r\n", QStringLiteral("エントリーNoが正しくありません。(%1 2行目)\n1～3000の番号を重複なく指定してください。").arg(sheet)},
        {"No,Name\r\n1,\r\n,,\r\n", QStringLiteral("名前を1件も読み込めませんでした。(%1)\n名簿は変わりません。").arg(sheet)},
        {"1,A\r\n2,B\r\n3,\xFF\r\n", QStringLiteral("CSVファイルを読めません。(%1 3行目)\nUTF-8またはShift-JISのCSVファイルを選んでください。").arg(sheet)},
    };
    for (const auto& [bytes, message] : refused) {
        Folder.Write(QStringLiteral("sheet.csv"), bytes);
        Click("importButton");
        EXPECT_EQ(Folder.Messages.Texts().back(), message);
        EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田")) << "a failed import leaves the table";
    }
    Folder.Write(QStringLiteral("sheet.csv"), "Ann\r\n");
    Folder.Messages.Answer(MessageAnswer::Cancel);
    Click("importButton");
    EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田")) << "a cancelled import leaves the table";
}

TEST_F(EntrantsWindowTest, ANamedPipeOrAFolderIsRefusedWithoutWaiting)
{
    const QString pipe = Folder.Path(QStringLiteral("pipe.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& chosen : {pipe, Folder.Dir.path()}) {
        Window.SetOpenDialog([&chosen](QWidget*, const QString&) { return chosen; });
        Click("importButton");
        EXPECT_EQ(Folder.Messages.Texts().back(),
                  QStringLiteral("CSVファイルを読めません。(%1)\nUTF-8またはShift-JISのCSVファイルを選んでください。").arg(chosen));
    }
}

TEST_F(EntrantsWindowTest, ATypedNameIsShownAsOneLineAsItIsStored)
{
    Window.show();
    Type(1, 1, QStringLiteral("山田\n太郎\t\u202E\x01"));
    EXPECT_EQ(Table()->item(0, 1)->text(), QStringLiteral("山田 太郎"));
    EXPECT_EQ(Window.ShownRoster().NameOf(1), QStringLiteral("山田 太郎"));
    const QString accented = QStringLiteral("e\u0301").repeated(40);
    Type(2, 1, accented);
    EXPECT_EQ(Window.ShownRoster().NameOf(2), accented) << "40 characters as a person counts them";
}

TEST_F(EntrantsWindowTest, AListChangedOutsideIsNotOverwrittenWithoutAsking)
{
    Folder.Context.Now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 20, 5)); };
    const QByteArray outside = QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n1,Outside,\r\n").toUtf8();
    const struct {
        MessageAnswer Answer;
        QString Stored;
        bool KeptAside;
        QString Shown;
    } cases[] = {
        {MessageAnswer::Yes, QStringLiteral("Window"), true, QStringLiteral("Window")},
        {MessageAnswer::No, QStringLiteral("Outside"), false, QStringLiteral("Outside")},
        {MessageAnswer::Cancel, QStringLiteral("Outside"), false, QStringLiteral("Window")},
    };
    for (const auto& [answer, stored, keptAside, shown] : cases) {
        QFile::remove(Folder.Path(QStringLiteral("entrants_20261207-142005.csv")));
        QFile::remove(Folder.Path(QStringLiteral("entrants.csv")));
        Window.show();
        Type(1, 1, QStringLiteral("Window"));
        Folder.Write(QStringLiteral("entrants.csv"), outside);
        Folder.Messages.Answer(MessageAnswer::Yes);
        Folder.Messages.Answer(answer);
        Click("registerButton");
        EXPECT_TRUE(StoredList().endsWith(QStringLiteral("1,%1,\r\n").arg(stored).toUtf8()));
        EXPECT_EQ(Folder.Read(QStringLiteral("entrants_20261207-142005.csv")), keptAside ? outside : QByteArray());
        EXPECT_EQ(Table()->item(0, 1)->text(), shown);
        Window.hide();
    }
}

TEST_F(EntrantsWindowTest, AReadOnlyListStaysAsItIs)
{
    const QByteArray list = QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n").toUtf8();
    Folder.Write(QStringLiteral("entrants.csv"), list);
    QFile::setPermissions(Folder.Path(QStringLiteral("entrants.csv")), QFile::ReadOwner | QFile::ReadGroup);
    Window.show();
    Type(1, 1, QStringLiteral("Ann"));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Click("registerButton");
    EXPECT_EQ(Folder.Messages.Texts().back(),
              QStringLiteral("名簿ファイルが読み取り専用のため、登録できません。(%1)").arg(Folder.Path(QStringLiteral("entrants.csv"))));
    EXPECT_EQ(StoredList(), list);
    EXPECT_FALSE(QFile::permissions(Folder.Path(QStringLiteral("entrants.csv"))) & QFile::WriteOwner);
}
