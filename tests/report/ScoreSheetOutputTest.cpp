#include "report/ScoreSheetOutput.h"

#include "widgets/DesktopSetup.h"
#include "support/FakeClock.h"
#include "support/ScoreSheetEntrants.h"
#include "support/WidgetTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString NothingToOutput = QStringLiteral("指定の範囲に出力する成績がありません！");

class ScoreSheetOutputTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        EnsureApplication();
        InstallFontSubstitutions();
        WriteInstalledFolder(Folder);
        Folder.Write(QStringLiteral("REPSETZ.REC"), "\"NoSuchPrinter\"\r\n");
    }

    void TearDown() override { Window.close(); }

    void Entrants(int count)
    {
        for (int n = 1; n <= count; ++n)
            StoreEntrant(Context, n, n == 2 ? 2 : 0, 1, 5);
        SaveBasicSettings(Context);
    }

    void Open()
    {
        Window.Open(ScoreSheetRequest{}, QPoint(10, 10));
        QCoreApplication::processEvents();
        Folder.Messages.Messages.clear();
    }

    QComboBox* Box(const char* name) { return Window.findChild<QComboBox*>(QLatin1String(name)); }
    QPushButton* Button(const char* name) { return Window.findChild<QPushButton*>(QLatin1String(name)); }
    QString SheetNumber() { return Window.findChild<QLineEdit*>(QStringLiteral("sheetNumberBox"))->text(); }

    // Runs the preview, stopping there on sheet `stopAt`; the sheets shown.
    std::vector<int> PreviewRun(int stopAt = 0)
    {
        std::vector<int> shown;
        const QMetaObject::Connection preview =
            QObject::connect(&Window, &ScoreSheetOutput::previewRequested, [&](const PageSurface& page) {
                EXPECT_FALSE(page.IsEmpty());
                shown.push_back(SheetNumber().toInt());
                // The operator leaves the preview once it is on view.
                Clock.At(Clock.Now, [this, stopped = shown.back() == stopAt] { Window.previewClosed(stopped); });
            });
        Button("previewButton")->click();
        Clock.RunUntil();
        QObject::disconnect(preview);
        return shown;
    }

    void SavePdf(const QString& path)
    {
        Window.SetPdfFileChooser([path] {
            QDir::setCurrent(QDir::tempPath());
            return path;
        });
        Button("pdfButton")->click();
        Clock.RunUntil();
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    FakeClock Clock;
    ScoreSheetOutput Window{Context, nullptr, Clock};
};

void Type(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
}

int PdfPages(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(10000);
    for (const QByteArray& line : info.readAllStandardOutput().split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

}

TEST_F(ScoreSheetOutputTest, TheRangeListsHoldTheMeasuredEntrants)
{
    Entrants(3);
    Open();
    EXPECT_EQ(Box("startBox")->count(), 3);
    EXPECT_EQ(Box("endBox")->itemText(2), QStringLiteral("3"));
    EXPECT_EQ(Box("startBox")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Box("endBox")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(Box("printerBox")->currentText(), QStringLiteral("NoSuchPrinter"));
    EXPECT_EQ(Window.pos(), QPoint(10, 10));
}

TEST_F(ScoreSheetOutputTest, ARangeWithoutAMeasuredEntrantSaysSo)
{
    Open();
    EXPECT_EQ(Box("startBox")->count(), 0);
    EXPECT_EQ(Box("startBox")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Box("endBox")->currentText(), QStringLiteral("0"));
    EXPECT_TRUE(PreviewRun().empty());
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{NothingToOutput});

    Folder.Messages.Messages.clear();
    SavePdf(Folder.Path(QStringLiteral("none.pdf")));
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{NothingToOutput});
    EXPECT_FALSE(Folder.Exists(QStringLiteral("none.pdf")));
}

TEST_F(ScoreSheetOutputTest, AnUnknownPrinterIsRefusedBeforeAnythingIsOutput)
{
    Entrants(1);
    Open();
    Button("printButton")->click();
    ASSERT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("指定のプリンターが見つかりません")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::None);
    EXPECT_TRUE(SheetNumber().isEmpty());
}

TEST_F(ScoreSheetOutputTest, ThePrinterBoxTakesANameOfItsListWhenTheOperatorMovesOn)
{
    Open();
    QComboBox* printers = Box("printerBox");
    printers->addItems({QStringLiteral("Office"), QStringLiteral("Office \"B\"")});
    printers->setFocus();
    printers->setEditText(QStringLiteral("Office"));
    Box("startBox")->setFocus();
    EXPECT_EQ(Window.ChosenPrinter(), QStringLiteral("Office"));

    printers->setFocus();
    printers->setEditText(QStringLiteral("Nowhere"));
    // Losing the focus to another window is no choice.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(printers, &away);
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    Box("startBox")->setFocus();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("指定のプリンターは存在しません！")});
    EXPECT_EQ(printers->currentText(), QStringLiteral("Office"));
    EXPECT_EQ(Window.ChosenPrinter(), QStringLiteral("Office"));
    Window.close();
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"Office\"\r\n"));

    // A name the file cannot hold is printed on, but not stored.
    Open();
    Box("printerBox")->addItem(QStringLiteral("Office \"B\""));
    Box("printerBox")->setFocus();
    Box("printerBox")->setEditText(QStringLiteral("Office \"B\""));
    Box("startBox")->setFocus();
    EXPECT_EQ(Window.ChosenPrinter(), QStringLiteral("Office \"B\""));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    Window.close();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("このプリンター名は登録できません！")});
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"Office\"\r\n"));
}

TEST_F(ScoreSheetOutputTest, TheRememberedPrinterIsReadWhenTheWindowOpensNotWhenItIsActivated)
{
    Open();
    Box("printerBox")->addItem(QStringLiteral("Office"));
    Box("printerBox")->setFocus();
    Box("printerBox")->setEditText(QStringLiteral("Office"));
    Box("startBox")->setFocus();
    Folder.Write(QStringLiteral("REPSETZ.REC"), "\"Other\"\r\n");
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&Window, &activation);
    Window.Open(ScoreSheetRequest{}, QPoint(10, 10));
    EXPECT_EQ(Window.ChosenPrinter(), QStringLiteral("Office"));
    EXPECT_EQ(Box("printerBox")->currentText(), QStringLiteral("Office"));
}

TEST_F(ScoreSheetOutputTest, AFirstUseChoosesTheDefaultPrinterAndADamagedFileIsNeverOverwrittenWithNothing)
{
    QFile::remove(Folder.Path(QStringLiteral("REPSETZ.REC")));
    Window.Open(ScoreSheetRequest{}, QPoint());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    EXPECT_EQ(Window.ChosenPrinter(), QPrinterInfo::defaultPrinterName());
    EXPECT_EQ(Box("printerBox")->currentText(), QPrinterInfo::defaultPrinterName());
    Window.close();

    Folder.Write(QStringLiteral("REPSETZ.REC"), "\"Offi");
    Window.Open(ScoreSheetRequest{}, QPoint());
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("レポート設定ファィル不正です！")});
    EXPECT_TRUE(Box("printerBox")->currentText().isEmpty());
    Window.close();
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"Offi"));
}

TEST_F(ScoreSheetOutputTest, ThePreviewShowsEachSheetUntilStoppedThere)
{
    Entrants(3);
    Open();
    EXPECT_EQ(PreviewRun(2), (std::vector<int>{1, 2}));
    EXPECT_FALSE(Button("stopButton")->isEnabled());
    EXPECT_TRUE(Folder.Messages.Messages.empty()) << "a preview run ends without a message";

    Button("singleSheetButton")->click();
    EXPECT_EQ(Box("endBox")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(PreviewRun(), (std::vector<int>{1}));
}

TEST_F(ScoreSheetOutputTest, RangeBoxesReplaceFromTheStartSwallowEnterAndRefuseHugeNumbers)
{
    Entrants(2);
    Open();
    QLineEdit* start = Box("startBox")->lineEdit();
    start->setCursorPosition(0);
    Type(start, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(Box("startBox")->currentText(), QStringLiteral("2"));
    Type(start, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(Box("startBox")->count(), 2) << "Enter adds nothing to the list";

    Box("startBox")->setEditText(QStringLiteral("40000"));
    EXPECT_TRUE(PreviewRun().empty());
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("開始№・終了№が範囲外です！")});
}

TEST_F(ScoreSheetOutputTest, ThePdfFileIsCompleteBeforeTheRunEndsAndChangesNoStoredFile)
{
    Entrants(3);
    Open();
    const QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    const QString path = Folder.Path(QStringLiteral("sheets.pdf"));
    Folder.Messages.OnShow = [&](const QString& text) {
        if (text == QStringLiteral("出力終了！")) {
            EXPECT_EQ(PdfPages(path), 3) << "the file is complete when the run says so";
        }
    };
    SavePdf(path);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力終了！")});
    EXPECT_EQ(Folder.Read(QStringLiteral("loudlog.dat")), log);
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"NoSuchPrinter\"\r\n"));
}

TEST_F(ScoreSheetOutputTest, ANameOutsideCodePage932AndItsGroupAreInThePdfText)
{
    Entrants(2);
    // 鷗 and ü are outside code page 932, 髙 only in its extensions. (Qt's
    // PDF text layer loses characters beyond the BMP such as 𠮷, although
    // they are drawn.)
    const QString name = QStringLiteral("森 鷗外 髙 Müller");
    Folder.Write(QStringLiteral("entrants.csv"),
                 QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n2,%1,Zuvelo Club\r\n").arg(name).toUtf8());
    Open();
    const QString path = Folder.Path(QStringLiteral("named.pdf"));
    SavePdf(path);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_FALSE(pages[0].contains(QStringLiteral("氏名"))) << "entrant 1 has no name";
    EXPECT_TRUE(pages[1].simplified().contains(QStringLiteral("氏名 ") + name)) << pages[1].toStdString();
    EXPECT_TRUE(pages[1].simplified().contains(QStringLiteral("所属 Zuvelo Club"))) << pages[1].toStdString();
}

TEST_F(ScoreSheetOutputTest, APdfFileThatCannotBeWrittenIsReportedWithItsPath)
{
    Entrants(2);
    Open();
    const QString path = Folder.Path(QStringLiteral("no-such-folder/sheets.pdf"));
    SavePdf(path);
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("PDFファイルに書き込めません！\n") + QDir::toNativeSeparators(path)});
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ScoreSheetOutputTest, TheImmediatePrintPrintsNowhereButOnTheRememberedPrinter)
{
    Entrants(2);
    Window.Open(ScoreSheetRequest{OpenedAfterMeasurement, 2});
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("指定のプリンターが見つかりません(NoSuchPrinter)\nこの成績表は成績出力から印刷できます。")});
    EXPECT_FALSE(Window.isVisible());
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"NoSuchPrinter\"\r\n"));
}

TEST_F(ScoreSheetOutputTest, ARecordThatCannotBeLoadedGetsNoSheetAndEndsTheRun)
{
    Entrants(3);
    // Entrant 2's remark ends in half a double-byte character.
    QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    log[ResultRecord::Size + 43] = '\x81';
    Folder.Write(QStringLiteral("loudlog.dat"), log);
    Open();
    EXPECT_EQ(PreviewRun(), (std::vector<int>{1}));
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("データが不正です！(2)")});
}

TEST_F(ScoreSheetOutputTest, SavedSheetsOfLongRecordingsStaySmall)
{
    for (int n = 1; n <= 3; ++n)
        StoreEntrant(Context, n, 2, 30, 5);
    SaveBasicSettings(Context);
    Open();
    const QString path = Folder.Path(QStringLiteral("long.pdf"));
    SavePdf(path);
    ASSERT_EQ(PdfPages(path), 3);
    const qint64 perPage = QFileInfo(path).size() / 3;
    RecordProperty("bytes_per_page", int(perPage));
    EXPECT_LE(perPage, 60 * 1024);
}
