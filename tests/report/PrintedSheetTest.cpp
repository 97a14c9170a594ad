#include "report/ScoreSheetOutput.h"

#include "widgets/DesktopSetup.h"
#include "core/DisplayFormat.h"
#include "support/FakeClock.h"
#include "support/ScoreSheetEntrants.h"
#include "support/TestPrinter.h"
#include "support/WidgetTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

namespace {

class PrintedSheet : public TestPrinterTest {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        TestPrinterTest::SetUp();
        if (IsSkipped())
            return;
        EnsureApplication();
        InstallFontSubstitutions();
        WriteInstalledFolder(Folder);
        Folder.Write(QStringLiteral("REPSETZ.REC"), '"' + Printer.toUtf8() + "\"\r\n");
    }

    void TearDown() override { Window.close(); }

    void Open(int start, int end)
    {
        Window.Open(ScoreSheetRequest{}, QPoint());
        QCoreApplication::processEvents();
        Folder.Messages.Messages.clear();
        Box("startBox")->setEditText(QString::number(start));
        Box("endBox")->setEditText(QString::number(end));
    }

    QComboBox* Box(const char* name) { return Window.findChild<QComboBox*>(QLatin1String(name)); }
    QPushButton* Button(const char* name) { return Window.findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* SheetNumberBox() { return Window.findChild<QLineEdit*>(QStringLiteral("sheetNumberBox")); }

    // Chooses the printer in the window as the operator does: in the box,
    // then on to another control.
    void ChoosePrinter(const QString& name)
    {
        Box("printerBox")->setFocus();
        Box("printerBox")->setEditText(name);
        Box("startBox")->setFocus();
        ASSERT_EQ(Window.ChosenPrinter(), name);
    }

    // Presses 中断 while the sheet of `entryNo` is about to go out.
    void PressStopAt(int entryNo)
    {
        QObject::connect(SheetNumberBox(), &QLineEdit::textChanged, &Window, [this, entryNo](const QString& text) {
            if (text == QString::number(entryNo))
                QTimer::singleShot(0, Button("stopButton"), &QPushButton::click);
        });
    }

    QStringList ExpectedLines(int entryNo)
    {
        const LoadedEntrant entrant = std::get<LoadedEntrant>(LoadEntrant(Context, entryNo));
        const auto cell = [](int number) { return NumberCell(number, 4); };
        return {
            QStringLiteral("おおごえ大会"),
            QStringLiteral("エントリー№ ：  %1").arg(entryNo),
            QStringLiteral("発声時刻     ： ") + entrant.MeasuredAt,
            QStringLiteral("測定時間     ：    3 秒"),
            QStringLiteral("成    績     ： %1 点").arg(cell(entrant.TotalPoints)),
            QStringLiteral("最 大 値     ： %1 点").arg(cell(entrant.MaxPoints)),
            QStringLiteral("積 算 値     ： %1 点").arg(cell(entrant.IntegPoints)),
            QStringLiteral("※　最大値と積算値は１０００点満点中の点数です。成績は最大値＋積算値の合計です。"),
            QStringLiteral("※　最大値について　例えば計測時間中に10000回音量をスキャンしたとすれば､上位10%､音の大きい順に1000回分のデータの合計です。"),
            QStringLiteral("※　積算値について　計測時間中にスキャナしたすべての音量の合計です。"),
            entrant.Quality == RecordingQuality::Normal ? QStringLiteral("(計測音質 : PCM 8KHz 8BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 5%以下をｶｯﾄ)")
                                            : QStringLiteral("(計測音質 : PCM 48KHz 16BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 10%以下をｶｯﾄ)"),
        };
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    FakeClock Clock;
    ScoreSheetOutput Window{Context, nullptr, Clock};
};

// A CUPS queue made for one test that refuses every job, as a printer whose
// spooler went away mid-run does.
class RejectingPrinter {
public:
    RejectingPrinter() : Name(QStringLiteral("ZuveloRejects%1").arg(QCoreApplication::applicationPid()))
    {
        Run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), Name, QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                                        QStringLiteral("-m"), QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")});
        Run(QStringLiteral("cupsreject"), {Name});
    }
    ~RejectingPrinter() { Run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Name}); }

    bool Made() const { return QPrinterInfo::availablePrinterNames().contains(Name); }

    const QString Name;

private:
    static void Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
    }
};

// Three stored entrants in the range, and a queue that refuses every job in
// the printer list beside the test printer.
class PrintedSheetBesideARejectingQueue : public PrintedSheet {
protected:
    void SetUp() override
    {
        PrintedSheet::SetUp();
        if (IsSkipped())
            return;
        if (!rejecting.Made())
            GTEST_SKIP() << "no CUPS queue can be made here";
        for (int n = 1; n <= 3; ++n)
            StoreEntrant(Context, n, 0, 1, 5);
        Open(1, 3);
        Box("printerBox")->addItem(rejecting.Name);
    }

    RejectingPrinter rejecting;
};

// The page size of the first page of a PDF file as pdfinfo gives it.
QString PdfPageSize(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(10000);
    for (const QByteArray& line : info.readAllStandardOutput().split('\n'))
        if (line.startsWith("Page size:"))
            return QString::fromUtf8(line.mid(10).trimmed());
    return {};
}

// The share of dark pixels in a box given in page units of the printed page.
double DarkShare(const QImage& page, const QRect& units)
{
    const double scale = page.width() / 2100.0;
    const QRect box(QPoint(units.left() * scale, units.top() * scale), QPoint(units.right() * scale, units.bottom() * scale));
    int dark = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    return double(dark) / (box.width() * box.height());
}

}

TEST_F(PrintedSheet, EightAndSixteenBitSheetsPrintEveryLineAndTheGraph)
{
    StoreEntrant(Context, 1, 0, 3, 5);
    StoreEntrant(Context, 2, 2, 3, 10);
    SaveBasicSettings(Context);
    Open(1, 2);
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力終了！")});
    const QStringList jobs = NewJobs(2);
    ASSERT_EQ(jobs.size(), 2);
    for (int entryNo : {1, 2}) {
        const QString job = jobs[entryNo - 1];
        EXPECT_TRUE(job.contains(QStringLiteral("Zuvelo-000%1").arg(entryNo))) << job.toStdString();
        const QString document = JobDocument(job);
        ASSERT_TRUE(QFile::exists(document)) << document.toStdString();
        const QStringList lines = PdfLines(document);
        for (const QString& line : ExpectedLines(entryNo)) {
            const QString expected = line.simplified();
            EXPECT_TRUE(lines.contains(expected)) << "missing: " << expected.toStdString() << "\nin:\n"
                                                  << lines.join(QLatin1Char('\n')).toStdString();
        }
        // Mid-recording the shout fills the graph around the zero line;
        // above the loudest sample the frame is empty.
        const QImage page = PdfPage(job, 100);
        ASSERT_FALSE(page.isNull());
        EXPECT_GT(DarkShare(page, QRect(1000, 1780, 200, 140)), 0.9) << "entrant " << entryNo;
        EXPECT_LT(DarkShare(page, QRect(1000, 1470, 200, 50)), 0.1) << "entrant " << entryNo;
    }
}

TEST_F(PrintedSheet, ARangeOfThreePrintsThreeJobsThenEnds)
{
    for (int n = 1; n <= 3; ++n)
        StoreEntrant(Context, n, 0, 1, 5);
    Open(1, 3);
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力終了！")});
    const QStringList jobs = NewJobs(3);
    ASSERT_EQ(jobs.size(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(jobs[n - 1].contains(QStringLiteral("Zuvelo-000%1").arg(n)));
}

TEST_F(PrintedSheet, AStopDeclinedGoesOnWithTheSameSheetAndAStopAgreedEndsTheRun)
{
    for (int n = 1; n <= 3; ++n)
        StoreEntrant(Context, n, 0, 1, 5);
    Open(1, 3);
    PressStopAt(2);
    Folder.Messages.Answer(MessageAnswer::No);
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("出力を中断しますか？"), QStringLiteral("出力終了！")}));
    QStringList jobs = NewJobs(3);
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_TRUE(jobs[1].contains(QStringLiteral("Zuvelo-0002")));

    const QStringList printed = PdfFiles();
    Before.unite(QSet<QString>(printed.begin(), printed.end()));
    Folder.Messages.Messages.clear();
    Folder.Messages.Answer(MessageAnswer::Yes);
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力を中断しますか？")});
    jobs = NewJobs(1);
    ASSERT_EQ(jobs.size(), 1) << "only the sheet before the stop";
    EXPECT_TRUE(jobs[0].contains(QStringLiteral("Zuvelo-0001")));
    EXPECT_FALSE(Button("stopButton")->isEnabled());
}

TEST_F(PrintedSheetBesideARejectingQueue, ASheetCUPSRefusesEndsTheRunThereWithoutTheSuccessMessage)
{
    ChoosePrinter(rejecting.Name);
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("プリンターに出力できません！(1)")});
    EXPECT_EQ(SheetNumberBox()->text(), QStringLiteral("1"));
    EXPECT_TRUE(NewJobs(0).isEmpty());
}

TEST_F(PrintedSheetBesideARejectingQueue, AnImmediatePrintDuringARunLeavesTheRunOnItsPrinter)
{
    // While sheet 2 is about to go out, the operator chooses the other
    // printer and a measurement asks for its immediate print.
    QObject::connect(SheetNumberBox(), &QLineEdit::textChanged, &Window, [&](const QString& text) {
        if (text != QStringLiteral("2"))
            return;
        ChoosePrinter(rejecting.Name);
        Window.Open(ScoreSheetRequest{OpenedAfterMeasurement, 1});
    });
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("プリンターに出力できません！(1)"), QStringLiteral("出力終了！")}));
    const QStringList jobs = NewJobs(3);
    ASSERT_EQ(jobs.size(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(jobs[n - 1].contains(QStringLiteral("Zuvelo-000%1").arg(n)));
}

TEST_F(PrintedSheet, TheOptionsChosenForThePrinterReachItsSheetsUpright)
{
    StoreEntrant(Context, 1, 0, 1, 5);
    Open(1, 1);
    QTimer::singleShot(0, &Window, [this] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the printer's own options";
        EXPECT_EQ(dialog->printer()->printerName(), Printer);
        dialog->reject();
    });
    Button("printerOptionsButton")->click();

    Window.SetPrinterOptionsDialog([this](QPrinter& printer) {
        EXPECT_EQ(printer.printerName(), Printer);
        printer.setPageSize(QPageSize(QPageSize::A5));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    Button("printerOptionsButton")->click();
    Button("printButton")->click();
    Clock.RunUntil();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力終了！")});
    const QStringList jobs = NewJobs(1);
    ASSERT_EQ(jobs.size(), 1);
    const QString size = PdfPageSize(JobDocument(jobs[0]));
    EXPECT_TRUE(size.contains(QStringLiteral("(A5)"))) << size.toStdString();
    const QStringList sides = size.split(QLatin1Char(' '));
    ASSERT_GE(sides.size(), 3);
    EXPECT_LT(sides[0].toDouble(), sides[2].toDouble()) << "portrait: " << size.toStdString();
}
