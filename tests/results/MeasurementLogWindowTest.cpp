#include "results/MeasurementLogWindow.h"
#include "core/ProgramOptions.h"
#include "core/EntrantLevels.h"

#include "support/CsvReader.h"
#include "support/ResultLog.h"
#include "support/WidgetTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
        entrants[1].MeasureSeconds = 30;
        entrants[0].Quality = 0;
        entrants[2].Quality = 2;
        entrants[2].NoiseCutLevel = 10;
        WriteLog(Folder, entrants);
        Window.SetSaveDialog([this](QWidget*, const SaveDialogText& text, const QString& start) {
            ++DialogsShown;
            DialogText = text;
            DialogStart = start;
            QDir::setCurrent(Elsewhere.path());
            return Choice;
        });
    }

    template <class Control>
    Control* Find(const char* name) const
    {
        return Window.findChild<Control*>(QString::fromLatin1(name));
    }
    QListWidget* List() const { return Find<QListWidget>("entrantList"); }
    QPushButton* OrderButton() const { return Find<QPushButton>("orderButton"); }

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < List()->count(); ++i)
            rows << List()->item(i)->text();
        return rows;
    }

    // Answers Yes to the export's question, then `more` to those that follow.
    void Export(const std::optional<QString>& choice, const char* button = "textExportButton",
                std::initializer_list<MessageAnswer> more = {})
    {
        Choice = choice;
        Folder.Messages.Answer(MessageAnswer::Yes);
        for (MessageAnswer answer : more)
            Folder.Messages.Answer(answer);
        Find<QPushButton>(button)->click();
    }

    // The application comes before the window.
    bool Application = (EnsureApplication(), true);
    TestFolder Folder;
    QTemporaryDir Elsewhere;
    MeasurementLogWindow Window{Folder.Context};
    std::optional<QString> Choice;
    int DialogsShown = 0;
    SaveDialogText DialogText;
    QString DialogStart;
};

const QString Row1 = QStringLiteral("   1      2    900      450    90000      450   900000  ");
const QString Row2 = QStringLiteral("   2      1   1500      750  2345678      750  1500000  ");
const QString Row3 = QStringLiteral("   3      3    900      450    90000      450   900000  ");

QString Date(int entryNo)
{
    return QStringLiteral("2023/10/08 14:05:0%1").arg(entryNo);
}

const QByteArray CsvHeader = "\xEF\xBB\xBF"
                             "エントリーNo,順位,総合得点,最大値(点),最大値(数値),積算値(点),積算値(数値),発声時刻,測定時間(秒),音質,ノイズカット(%),名前,所属\r\n";
const QByteArray Csv1 = "1,2,900,450,90000,450,900000,2023/10/08 14:05:01,1,8kHz 8bit,0";
const QByteArray Csv2 = "2,1,1500,750,12345678,750,1500000,2023/10/08 14:05:02,30,16kHz 16bit,0";
const QByteArray Csv3 = "3,3,900,450,90000,450,900000,2023/10/08 14:05:03,1,48kHz 16bit,10";
const QByteArray NoName = ",,\r\n";

const QString Advice = QStringLiteral("\nフォルダおよびファイルを確認してください！");

}

TEST_F(MeasurementLogWindowTest, ListsInEntryOrderWithFreshRanksAndTogglesToRankOrder)
{
    Window.show();
    EXPECT_EQ(Rows(), (QStringList{Row1 + ' ' + Date(1), Row2 + ' ' + Date(2), Row3 + ' ' + Date(3)}));
    EXPECT_EQ(OrderButton()->text(), QStringLiteral("順位順(&J)"));
    OrderButton()->click();
    EXPECT_EQ(OrderButton()->text(), QStringLiteral("発声順(&J)"));
    EXPECT_EQ(Rows(), (QStringList{Row2 + ' ' + Date(2), Row1 + ' ' + Date(1), Row3 + ' ' + Date(3)}));
    OrderButton()->click();
    EXPECT_EQ(OrderButton()->text(), QStringLiteral("順位順(&J)"));
    EXPECT_EQ(Rows().first(), Row1 + ' ' + Date(1));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(MeasurementLogWindowTest, ShownLevelsStandInAColumnAfterTheTimeBlankForAnEntrantWithout)
{
    ProgramOptions options;
    options.Level.OffsetDb = 101.5;
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, options));
    ASSERT_FALSE(StoreEntrantLevel(Folder.Context, 2, {112.34, 125.0, 104.2, true, 101.5, 50}));
    ASSERT_FALSE(StoreEntrantLevel(Folder.Context, 3, {98.66, 110.0, 91.2, false, 101.5, 50}));
    Window.show();
    // "≥" is as wide as the wide blank before an unmarked figure.
    EXPECT_EQ(Rows(), (QStringList{Row1 + ' ' + Date(1) + QStringLiteral("         "), Row2 + ' ' + Date(2) + QStringLiteral("  ≥112.3"),
                                   Row3 + ' ' + Date(3) + QStringLiteral("  　 98.7")}));
    EXPECT_TRUE(Find<QLabel>("columnHeader")->text().endsWith(QStringLiteral("発声時刻    dB(A)")));
}

TEST_F(MeasurementLogWindowTest, ExportWritesTheRowsOfEitherOrderWithCrLf)
{
    Window.show();
    const QString entryFile = Elsewhere.filePath(QStringLiteral("entry"));
    Export(entryFile);
    EXPECT_EQ(DialogStart, Folder.Dir.path()) << "the first dialog opens in the program folder";
    QFile written(entryFile + QStringLiteral(".TXT"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), (Row1 + Date(1) + "\r\n" + Row2 + Date(2) + "\r\n" + Row3 + Date(3) + "\r\n").toLatin1());

    OrderButton()->click();
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
    Export(Elsewhere.filePath(QStringLiteral(".txt")));
    Folder.Messages.Answer(MessageAnswer::No);
    Find<QPushButton>("textExportButton")->click();
    EXPECT_EQ(DialogsShown, 2) << "No asks for no file";
    EXPECT_TRUE(QDir(Elsewhere.path()).isEmpty());
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("テキストファイルに保存しますか？"), QStringLiteral("テキストファイルに保存しますか？"),
                                                            QStringLiteral("ﾌｧｨﾙ名がありません！"), QStringLiteral("テキストファイルに保存しますか？")}));
}

TEST_F(MeasurementLogWindowTest, AnEmptyLogHasNothingToExport)
{
    WriteLog(Folder, {});
    Window.show();
    EXPECT_EQ(List()->count(), 0);
    Export(Elsewhere.filePath(QStringLiteral("empty")));
    Export(Elsewhere.filePath(QStringLiteral("empty")), "csvExportButton");
    EXPECT_EQ(DialogsShown, 0);
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("テキストファイルに保存しますか？"), QStringLiteral("データがありません！"),
                                                            QStringLiteral("CSVファイルに保存しますか？"), QStringLiteral("データがありません！")}));
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
    Find<QPushButton>("registerButton")->click();
    EXPECT_TRUE(Window.isVisible());
    QFile::remove(Folder.Path(QStringLiteral("KANKYOUB.REC")));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Find<QPushButton>("registerButton")->click();
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
    Find<QPushButton>("registerButton")->click();
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("設定を登録しますか？"), QStringLiteral("管理データの書き込みができません！")}));
    EXPECT_TRUE(Window.isVisible()) << "open for another try";
}

TEST_F(MeasurementLogWindowTest, CsvExportWritesEveryEntrantInTheOrderShownAndReadsBackAsACsvFile)
{
    Window.show();
    const QString entryFile = Elsewhere.filePath(QStringLiteral("entry"));
    Export(entryFile, "csvExportButton");
    EXPECT_EQ(DialogText.Title, QStringLiteral("CSVファイルの保存"));
    EXPECT_EQ(DialogText.Filter, QStringLiteral("CSVファイル (*.csv)"));
    QFile byEntry(entryFile + QStringLiteral(".csv"));
    ASSERT_TRUE(byEntry.open(QIODevice::ReadOnly));
    const QByteArray entryBytes = byEntry.readAll();
    EXPECT_EQ(entryBytes, CsvHeader + Csv1 + NoName + Csv2 + NoName + Csv3 + NoName);

    OrderButton()->click();
    const QString rankFile = Elsewhere.filePath(QStringLiteral("rank.CSV"));
    Export(rankFile, "csvExportButton");
    QFile byRank(rankFile);
    ASSERT_TRUE(byRank.open(QIODevice::ReadOnly)) << "a name ending in .csv stays as typed";
    EXPECT_EQ(byRank.readAll(), CsvHeader + Csv2 + NoName + Csv1 + NoName + Csv3 + NoName);
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("CSVファイルに保存しますか？"), QStringLiteral("作成しました!"),
                                                            QStringLiteral("CSVファイルに保存しますか？"), QStringLiteral("作成しました!")}));

    ASSERT_TRUE(entryBytes.startsWith("\xEF\xBB\xBF"));
    const std::optional<std::vector<QStringList>> table = ReadCsv(QString::fromUtf8(entryBytes.mid(3)));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 4u);
    EXPECT_EQ(table->at(0).size(), 13);
    EXPECT_EQ(table->at(2),
              (QStringList{"2", "1", "1500", "750", "12345678", "750", "1500000", "2023/10/08 14:05:02", "30", "16kHz 16bit", "0", "", ""}));
}

TEST_F(MeasurementLogWindowTest, WithAListOfEntrantsTheCsvEndsInNamesWhileTheTextExportKeepsItsBytes)
{
    const QString yoshi = QString::fromUcs4(U"𠮷田 花子");
    Folder.Write(QStringLiteral("entrants.csv"),
                 QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n1,%1,\"1組, A\"\r\n3,Ann,\r\n").arg(yoshi).toUtf8());
    Window.show();
    EXPECT_EQ(Rows(), (QStringList{Row1 + ' ' + Date(1) + "  " + yoshi, Row2 + ' ' + Date(2), Row3 + ' ' + Date(3) + "  Ann"}));
    OrderButton()->click();
    Export(Elsewhere.filePath(QStringLiteral("names.csv")), "csvExportButton");
    Export(Elsewhere.filePath(QStringLiteral("names.txt")));
    QFile csv(Elsewhere.filePath(QStringLiteral("names.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), CsvHeader + Csv2 + NoName + Csv1 + "," + yoshi.toUtf8() + ",\"1組, A\"\r\n" + Csv3 + ",Ann,\r\n");
    QFile text(Elsewhere.filePath(QStringLiteral("names.txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll(), (Row2 + Date(2) + "\r\n" + Row1 + Date(1) + "\r\n" + Row3 + Date(3) + "\r\n").toLatin1());
}

TEST_F(MeasurementLogWindowTest, AnExistingFileIsReplacedOnlyWhenTheOperatorAgreesAndKeepsItsPermissions)
{
    Window.show();
    const QString memo = Elsewhere.filePath(QStringLiteral("memo.TXT"));
    {
        QFile file(memo);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("operator's notes");
    }
    ASSERT_TRUE(QFile::setPermissions(memo, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString question = QStringLiteral("%1 は既に存在します。\n置き換えますか？").arg(memo);

    // The dialog saw "memo"; the name that is written is "memo.TXT".
    Export(Elsewhere.filePath(QStringLiteral("memo")), "textExportButton", {MessageAnswer::No});
    QFile kept(memo);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("operator's notes"));
    kept.close();

    Export(memo, "textExportButton", {MessageAnswer::Yes});
    QFile replaced(memo);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll(), (Row1 + Date(1) + "\r\n" + Row2 + Date(2) + "\r\n" + Row3 + Date(3) + "\r\n").toLatin1());
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(memo).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("テキストファイルに保存しますか？"), question,
                                                            QStringLiteral("テキストファイルに保存しますか？"), question,
                                                            QStringLiteral("作成しました!")}));
    EXPECT_EQ(Folder.Messages.Messages[1].Icon, MessageIcon::Warning);
}

TEST_F(MeasurementLogWindowTest, ADamagedLogIsNamedInTheListAndByBothExports)
{
    Folder.Write(QStringLiteral("loudlog.dat"), Folder.Read(QStringLiteral("loudlog.dat")).left(ResultRecord::Size + 20));
    const QString damaged = QStringLiteral("測定ログが読めないか、壊れています。(%1)").arg(Folder.Path(QStringLiteral("loudlog.dat"))) + Advice;
    Window.show();
    EXPECT_EQ(List()->count(), 0);
    Export(Elsewhere.filePath(QStringLiteral("out")));
    Export(Elsewhere.filePath(QStringLiteral("out")), "csvExportButton");
    EXPECT_EQ(DialogsShown, 0);
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{damaged, QStringLiteral("テキストファイルに保存しますか？"), damaged,
                                                            QStringLiteral("CSVファイルに保存しますか？"), damaged}));
    EXPECT_TRUE(QDir(Elsewhere.path()).isEmpty());
}

TEST_F(MeasurementLogWindowTest, AContestFolderThatVanishedIsNamed)
{
    ContestSession vanished(Elsewhere.filePath(QStringLiteral("renamed")), Folder.Messages);
    MeasurementLogWindow window(vanished);
    window.show();
    EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("entrantList"))->count(), 0);
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("測定ログが読めないか、壊れています。(%1)").arg(vanished.LogPath()) + Advice});
}
