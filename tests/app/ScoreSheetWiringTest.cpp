#include "app/Windows.h"
#include "report/ScoreSheetOutput.h"
#include "widgets/DesktopSetup.h"
#include "support/AppTestFolder.h"
#include "support/ScoreSheetEntrants.h"
#include "support/TestPrinter.h"
#include "support/WidgetTestSupport.h"

#include <QFile>

namespace {

// Counts the times a window is shown.
class ShowCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Shown += event->type() == QEvent::Show;
        return false;
    }
    int Shown = 0;
};

class ImmediatePrint : public TestPrinterTest {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        TestPrinterTest::SetUp();
        if (IsSkipped())
            return;
        InstallFontSubstitutions();
        WriteInstalledFolder(Folder);
        StoreEntrant(Folder.Context, 1, 0, 1, 5);
        StoreEntrant(Folder.Context, 2, 1, 1, 5);
        Wired.scoreSheetOutput().installEventFilter(&Counter);
    }

    // Prints the sheet of entrant 2 as the result display asks for it.
    QStringList PrintAfterMeasurement(int expectedJobs = 1)
    {
        const QStringList printed = PdfFiles();
        Before.unite(QSet<QString>(printed.begin(), printed.end()));
        Folder.Messages.Messages.clear();
        Wired.OpenScoreSheetOutput(ScoreSheetRequest{OpenedAfterMeasurement, 2}, nullptr);
        return NewJobs(expectedJobs);
    }

    AppTestFolder Folder;
    Windows Wired{Folder.Context};
    ShowCounter Counter;
};

}

TEST_F(ImmediatePrint, OneSheetGoesToTheSavedPrinterWithoutTheWindowEverShowing)
{
    Folder.Write(QStringLiteral("REPSETZ.REC"), '"' + Printer.toUtf8() + "\"\r\n");
    const QStringList jobs = PrintAfterMeasurement();
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_TRUE(jobs[0].contains(QStringLiteral("Zuvelo-0002")));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    EXPECT_EQ(Counter.Shown, 0);
    EXPECT_FALSE(Wired.scoreSheetOutput().isVisible());
}

TEST_F(ImmediatePrint, AFirstUseGoesToTheDefaultPrinterAndRemembersIt)
{
    const QStringList jobs = PrintAfterMeasurement(1);
    ASSERT_EQ(jobs.size(), 1) << "the test printer is the default one";
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), '"' + Printer.toUtf8() + "\"\r\n");
    EXPECT_EQ(Counter.Shown, 0);
}

TEST_F(ImmediatePrint, AMissingPrinterGetsNoJobAndTheOperatorIsToldWhichOne)
{
    Folder.Write(QStringLiteral("REPSETZ.REC"), "\"Gone\"\r\n");
    EXPECT_TRUE(PrintAfterMeasurement(0).isEmpty()) << "not even on the default printer";
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("指定のプリンターが見つかりません(Gone)\nこの成績表は成績出力から印刷できます。")});
    EXPECT_EQ(Folder.Read(QStringLiteral("REPSETZ.REC")), QByteArray("\"Gone\"\r\n"));
}
