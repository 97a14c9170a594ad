#include "report/ScoreSheetOutput.h"

#include "platform/DesktopSetup.h"
#include "support/ScoreSheetEntrants.h"
#include "support/WidgetTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

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

    // Runs the preview, stopping there on sheet `stopAt`; the sheets shown.
    std::vector<int> PreviewRun(int stopAt = 0)
    {
        std::vector<int> shown;
        Window.ShowPreview = [&](const PageSurface& page, int16_t& stop) {
            EXPECT_FALSE(page.IsEmpty());
            shown.push_back(Window.CurrentNo);
            if (Window.CurrentNo == stopAt)
                stop = -1;
        };
        Window.CmdRev_Click();
        return shown;
    }

    TestFolder Folder;
    ContestState& Context = Folder.Context;
    ScoreSheetOutput Window{Context};
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
    EXPECT_EQ(Window.ST_PRN->count(), 3);
    EXPECT_EQ(Window.EN_PRN->itemText(2), QStringLiteral("3"));
    EXPECT_EQ(Window.ST_PRN->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Window.EN_PRN->currentText(), QStringLiteral("3"));
    EXPECT_EQ(Window.CmbPrinter->currentText(), QStringLiteral("NoSuchPrinter"));
    EXPECT_EQ(Window.pos(), QPoint(10, 10));
}

TEST_F(ScoreSheetOutputTest, WithNoEntrantTheRangeIsOneToZeroAndPrintsNothing)
{
    Open();
    EXPECT_EQ(Window.ST_PRN->count(), 0);
    EXPECT_EQ(Window.ST_PRN->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Window.EN_PRN->currentText(), QStringLiteral("0"));
    EXPECT_TRUE(PreviewRun().empty());
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(ScoreSheetOutputTest, AnUnknownPrinterIsRefusedBeforeAnythingIsOutput)
{
    Entrants(1);
    Open();
    Window.Cmd_Prn_Click();
    ASSERT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("指定のプリンターが見つかりません")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::None);
    EXPECT_TRUE(Window.PrnHyoGam->text().isEmpty());
}

TEST_F(ScoreSheetOutputTest, ThePrinterBoxTakesOnlyANameOfItsListThatTheFileCanHold)
{
    Open();
    Window.CmbPrinter->addItems({QStringLiteral("Office"), QStringLiteral("Office \"B\"")});
    Window.CmbPrinter->setFocus();
    Window.CmbPrinter->setEditText(QStringLiteral("Office"));
    Window.ST_PRN->setFocus();
    EXPECT_EQ(Window.PrinterName, QStringLiteral("Office"));

    for (const QString& text : {QStringLiteral("office"), QStringLiteral("Office \"B\"")}) {
        Window.CmbPrinter->setFocus();
        Window.CmbPrinter->setEditText(text);
        Window.ST_PRN->setFocus();
        EXPECT_EQ(Window.CmbPrinter->currentText(), QStringLiteral("Office"));
        EXPECT_EQ(Window.PrinterName, QStringLiteral("Office"));
    }
    EXPECT_EQ(Folder.Messages.Texts(), (std::vector<QString>{QStringLiteral("指定のプリンターは存在しません！"),
                                                             QStringLiteral("このプリンター名は登録できません！")}));
    Window.close();
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"Office\"\r\n"));
}

TEST_F(ScoreSheetOutputTest, ThePreviewShowsEachSheetUntilStoppedThere)
{
    Entrants(3);
    Open();
    EXPECT_EQ(PreviewRun(2), (std::vector<int>{1, 2}));
    EXPECT_FALSE(Window.CmdStp->isEnabled());
    EXPECT_TRUE(Folder.Messages.Messages.empty()) << "a preview run ends without a message";

    Window.CmdSig_Click();
    EXPECT_EQ(Window.EN_PRN->currentText(), QStringLiteral("1"));
    EXPECT_EQ(PreviewRun(), (std::vector<int>{1}));
}

TEST_F(ScoreSheetOutputTest, RangeBoxesReplaceFromTheStartSwallowEnterAndRefuseHugeNumbers)
{
    Entrants(2);
    Open();
    QLineEdit* start = Window.ST_PRN->lineEdit();
    start->setCursorPosition(0);
    Type(start, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(Window.ST_PRN->currentText(), QStringLiteral("2"));
    Type(start, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(Window.ST_PRN->count(), 2) << "Enter adds nothing to the list";

    Window.ST_PRN->setEditText(QStringLiteral("40000"));
    EXPECT_TRUE(PreviewRun().empty());
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("開始№・終了№が範囲外です！")});
}

TEST_F(ScoreSheetOutputTest, ThePdfFileHoldsOnePagePerEntrantAndChangesNoStoredFile)
{
    Entrants(3);
    Open();
    const QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    const QString path = Folder.Path(QStringLiteral("sheets.pdf"));
    Window.ChoosePdfFile = [&] {
        QDir::setCurrent(QDir::tempPath());
        return path;
    };
    Window.CmdPdf_Click();
    EXPECT_EQ(PdfPages(path), 3);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力終了！")});
    EXPECT_EQ(Folder.Read(QStringLiteral("loudlog.dat")), log);
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"NoSuchPrinter\"\r\n"));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(Folder.Dir.path()).canonicalPath());
}

TEST_F(ScoreSheetOutputTest, ARecordThatCannotBeLoadedGetsNoSheetAndTheRunGoesOn)
{
    Entrants(3);
    // Entrant 2's remark ends in half a double-byte character.
    QByteArray log = Folder.Read(QStringLiteral("loudlog.dat"));
    log[ResultRecord::Size + 43] = '\x81';
    Folder.Write(QStringLiteral("loudlog.dat"), log);
    Open();
    EXPECT_EQ(PreviewRun(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("データが不正です！(2)")});
}
