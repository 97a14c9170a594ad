#include "results/MeasurementLogWindow.h"

#include "support/ResultLog.h"
#include "support/WidgetTestSupport.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class MeasurementLogWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        QDir::setCurrent(Folder.Dir.path());
        // Entrant 2 has an eight-digit raw sum, entrant 3 ties with entrant 1.
        std::vector<ResultRecord> entrants = {StoredEntrant(1, 900), StoredEntrant(2, 1500), StoredEntrant(3, 900)};
        entrants[1].MaxRaw = 12345678;
        WriteLog(Folder, entrants);
        Window.CommonDialog1 = [this](QWidget*, const QString& start) {
            ++DialogsShown;
            DialogStart = start;
            QDir::setCurrent(Elsewhere.path());
            return Choice;
        };
    }

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < Window.List1->count(); ++i)
            rows << Window.List1->item(i)->text();
        return rows;
    }

    void Export(const std::optional<QString>& choice)
    {
        Choice = choice;
        Folder.Messages.Answer(MessageAnswer::Yes);
        Window.CmdTXT->click();
    }

    // The application comes before the window.
    bool Application = (EnsureApplication(), true);
    TestFolder Folder;
    QTemporaryDir Elsewhere;
    MeasurementLogWindow Window{Folder.Context};
    std::optional<QString> Choice;
    int DialogsShown = 0;
    QString DialogStart;
};

const QString Row1 = QStringLiteral("   1      2    900      450    90000      450   900000  ");
const QString Row2 = QStringLiteral("   2      1   1500      750  2345678      750  1500000  ");
const QString Row3 = QStringLiteral("   3      3    900      450    90000      450   900000  ");

QString Date(int entryNo)
{
    return QStringLiteral("2023/10/08 14:05:0%1").arg(entryNo);
}

}

TEST_F(MeasurementLogWindowTest, ListsInEntryOrderWithFreshRanksAndTogglesToRankOrder)
{
    Window.show();
    EXPECT_EQ(Rows(), (QStringList{Row1 + ' ' + Date(1), Row2 + ' ' + Date(2), Row3 + ' ' + Date(3)}));
    EXPECT_EQ(Window.CmdJ->text(), QStringLiteral("順位順(&J)"));
    Window.CmdJ->click();
    EXPECT_EQ(Window.CmdJ->text(), QStringLiteral("発声順(&J)"));
    EXPECT_EQ(Rows(), (QStringList{Row2 + ' ' + Date(2), Row1 + ' ' + Date(1), Row3 + ' ' + Date(3)}));
    Window.CmdJ->click();
    EXPECT_EQ(Window.CmdJ->text(), QStringLiteral("順位順(&J)"));
    EXPECT_EQ(Rows().first(), Row1 + ' ' + Date(1));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MeasurementLogWindowTest, ExportWritesTheRowsOfEitherOrderWithCrLf)
{
    Window.show();
    const QString entryFile = Elsewhere.filePath(QStringLiteral("entry"));
    Export(entryFile);
    EXPECT_EQ(DialogStart, Folder.Dir.path()) << "the first dialog opens in the program folder";
    EXPECT_EQ(QDir::currentPath(), QDir(Folder.Dir.path()).canonicalPath()) << "back in the program folder";
    QFile written(entryFile + QStringLiteral(".TXT"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), (Row1 + Date(1) + "\r\n" + Row2 + Date(2) + "\r\n" + Row3 + Date(3) + "\r\n").toLatin1());

    Window.CmdJ->click();
    const QString rankFile = Elsewhere.filePath(QStringLiteral("rank.txt"));
    Export(rankFile);
    EXPECT_EQ(DialogStart, entryFile + QStringLiteral(".TXT")) << "the next one starts at the last file";
    QFile ranked(rankFile);
    ASSERT_TRUE(ranked.open(QIODevice::ReadOnly)) << "a name ending in .txt stays as typed";
    EXPECT_EQ(ranked.readAll(), (Row2 + Date(2) + "\r\n" + Row1 + Date(1) + "\r\n" + Row3 + Date(3) + "\r\n").toLatin1());
    EXPECT_FALSE(QFile::exists(rankFile + QStringLiteral(".TXT")));
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("テキストファイルに保存しますか？"), QStringLiteral("作成しました!"),
                                                            QStringLiteral("テキストファイルに保存しますか？"), QStringLiteral("作成しました!")}));
}

TEST_F(MeasurementLogWindowTest, CancelNoAnswerAndNoNameWriteNothing)
{
    Window.show();
    Export(std::nullopt);
    EXPECT_EQ(DialogsShown, 1);
    EXPECT_EQ(QDir::currentPath(), QDir(Folder.Dir.path()).canonicalPath()) << "back in the program folder after a cancel";
    Export(Elsewhere.filePath(QStringLiteral(".txt")));
    Folder.Messages.Answer(MessageAnswer::No);
    Window.CmdTXT->click();
    EXPECT_EQ(DialogsShown, 2) << "No asks for no file";
    EXPECT_TRUE(QDir(Elsewhere.path()).isEmpty());
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("テキストファイルに保存しますか？"), QStringLiteral("テキストファイルに保存しますか？"),
                                                            QStringLiteral("ﾌｧｨﾙ名がありません！"), QStringLiteral("テキストファイルに保存しますか？")}));
}

TEST_F(MeasurementLogWindowTest, AnEmptyLogHasNothingToExport)
{
    WriteLog(Folder, {});
    Window.show();
    EXPECT_EQ(Window.List1->count(), 0);
    Export(Elsewhere.filePath(QStringLiteral("empty")));
    EXPECT_EQ(DialogsShown, 0);
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("テキストファイルに保存しますか？"), QStringLiteral("データがありません！")}));
}

TEST_F(MeasurementLogWindowTest, AFileThatCannotBeCreatedIsNamedAndNothingElseChanges)
{
    Window.show();
    const QString blocked = Elsewhere.filePath(QStringLiteral("missing-folder/out.txt"));
    const QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    Export(blocked);
    ASSERT_EQ(Folder.Messages.Messages.size(), 2u);
    EXPECT_EQ(Folder.Messages.Messages[1].Text, QStringLiteral("テキストファイルを作成できません！\n") + blocked);
    EXPECT_EQ(Folder.Messages.Messages[1].Icon, MessageIcon::Error);
    EXPECT_FALSE(QFile::exists(blocked));
    EXPECT_EQ(Folder.Read(QStringLiteral("loudlog.dat")), log);
    EXPECT_TRUE(Window.isVisible());
}

TEST_F(MeasurementLogWindowTest, RegisteringSavesTheMicrophoneSettingsAndCloses)
{
    Window.show();
    Folder.Messages.Answer(MessageAnswer::No);
    Window.CmdUpd->click();
    EXPECT_TRUE(Window.isVisible());
    QFile::remove(Folder.Path(QStringLiteral("KANKYOUB.REC")));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Window.CmdUpd->click();
    EXPECT_FALSE(Window.isVisible());
    EXPECT_TRUE(Folder.Exists(QStringLiteral("KANKYOUB.REC")));
    ASSERT_EQ(Folder.Messages.Messages.size(), 3u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text, QStringLiteral("設定を登録しますか？"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("確認"));
    EXPECT_EQ(Folder.Messages.Messages[2].Text, QStringLiteral("登録しました。"));
}

TEST_F(MeasurementLogWindowTest, AFailedSaveIsReportedOnlyAsAFailure)
{
    Window.show();
    QFile::remove(Folder.Path(QStringLiteral("KANKYOUB.REC")));
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("KANKYOUB.REC")));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Window.CmdUpd->click();
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("設定を登録しますか？"), QStringLiteral("管理データの書き込みができません！")}));
    EXPECT_TRUE(Window.isVisible()) << "open for another try";
}
