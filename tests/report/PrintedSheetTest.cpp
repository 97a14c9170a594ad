#include "report/ScoreSheetOutput.h"

#include "platform/DesktopSetup.h"
#include "platform/DisplayFormat.h"
#include "support/ScoreSheetEntrants.h"
#include "support/TestPrinter.h"
#include "support/WidgetTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
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
        Window.ST_PRN->setEditText(QString::number(start));
        Window.EN_PRN->setEditText(QString::number(end));
    }

    // Presses 中断 while the sheet of `entryNo` is about to go out.
    void PressStopAt(int entryNo)
    {
        QObject::connect(Window.PrnHyoGam, &QLineEdit::textChanged, &Window, [this, entryNo](const QString& text) {
            if (text == QString::number(entryNo))
                QTimer::singleShot(0, Window.CmdStp, &QPushButton::click);
        });
    }

    QStringList ExpectedLines(int entryNo)
    {
        const LoadedEntrant entrant = LoadEntrant(Context, entryNo).value();
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
            entrant.Quality == 0 ? QStringLiteral("(計測音質 : PCM 8KHz 8BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 5%以下をｶｯﾄ)")
                                            : QStringLiteral("(計測音質 : PCM 48KHz 16BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 10%以下をｶｯﾄ)"),
        };
    }

    TestFolder Folder;
    ContestState& Context = Folder.Context;
    ScoreSheetOutput Window{Context};
};

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
    Window.Cmd_Prn_Click();
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
    Window.Cmd_Prn_Click();
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
    Window.Cmd_Prn_Click();
    EXPECT_EQ(Folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("出力を中断しますか？"), QStringLiteral("出力終了！")}));
    QStringList jobs = NewJobs(3);
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_TRUE(jobs[1].contains(QStringLiteral("Zuvelo-0002")));

    const QStringList printed = PdfFiles();
    Before.unite(QSet<QString>(printed.begin(), printed.end()));
    Folder.Messages.Messages.clear();
    Folder.Messages.Answer(MessageAnswer::Yes);
    Window.Cmd_Prn_Click();
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("出力を中断しますか？")});
    jobs = NewJobs(1);
    ASSERT_EQ(jobs.size(), 1) << "only the sheet before the stop";
    EXPECT_TRUE(jobs[0].contains(QStringLiteral("Zuvelo-0001")));
    EXPECT_FALSE(Window.CmdStp->isEnabled());
}
