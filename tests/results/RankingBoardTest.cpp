#include "results/RankingBoard.h"
#include "core/ProgramOptions.h"
#include "core/EntrantLevels.h"

#include "widgets/ClickLabel.h"
#include "support/ResultLog.h"
#include "support/WidgetTestSupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class RankingBoardWindow : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
    }

    void Open(const std::vector<int>& totals)
    {
        WriteLogOfTotals(Folder, totals);
        Board.show();
    }

    ClickLabel* Row(int row) const { return Board.findChild<ClickLabel*>(QStringLiteral("rankRow%1").arg(row)); }
    ClickLabel* Indicator() const { return Board.findChild<ClickLabel*>(QStringLiteral("pageIndicator")); }
    QTimer* IdleTimer() const { return Board.findChild<QTimer*>(QStringLiteral("idleTimer")); }

    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < BoardRows; ++row)
            rows << Row(row)->text();
        return rows;
    }

    int FilledRows() const
    {
        int filled = 0;
        for (const QString& row : Rows())
            filled += !row.isEmpty();
        return filled;
    }

    // The application comes before the window.
    bool Application = (EnsureApplication(), true);
    TestFolder Folder;
    RankingBoard Board{Folder.Context};
};

void Click(QWidget& widget, Qt::MouseButton button, QEvent::Type type = QEvent::MouseButtonPress)
{
    QMouseEvent press(type, QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
}

// What a double click delivers: a press, then a double-click event.
void DoubleClick(QWidget& widget, Qt::MouseButton button)
{
    Click(widget, button);
    Click(widget, button, QEvent::MouseButtonDblClick);
}

void Press(QWidget& widget, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&widget, &press);
}

}

TEST_F(RankingBoardWindow, WithoutEntrantsOnePageOfBlankRows)
{
    Open({});
    EXPECT_EQ(Board.LastPage(), 1);
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_EQ(Indicator()->text(), QStringLiteral(" 1 - 10 表示中"));
    Click(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage(), 1) << "round to the only page";
    EXPECT_TRUE(Board.isVisible());
}

TEST_F(RankingBoardWindow, NineEntrantsFillOnePageTenMakeAnEmptySecondPage)
{
    Open({100, 200, 300, 400, 500, 600, 700, 800, 900});
    EXPECT_EQ(Board.LastPage(), 1);
    EXPECT_EQ(FilledRows(), 9);
    EXPECT_EQ(Row(0)->text(), QStringLiteral("  1位              №   9       900点"));
    EXPECT_EQ(Row(8)->text(), QStringLiteral("  9位              №   1       100点"));
    Board.close();

    Open({100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
    EXPECT_EQ(Board.LastPage(), 2);
    EXPECT_EQ(FilledRows(), 10);
    Click(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage(), 2);
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_EQ(Indicator()->text(), QStringLiteral(" 11 - 20 表示中"));
    Click(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage(), 1);
    EXPECT_EQ(FilledRows(), 10);
}

TEST_F(RankingBoardWindow, TwentyFiveEntrantsPageForwardRoundAndBackToClosing)
{
    std::vector<int> totals;
    for (int n = 1; n <= 25; ++n)
        totals.push_back(n * 10);
    Open(totals);
    EXPECT_EQ(Board.LastPage(), 3);
    Click(Board, Qt::RightButton);
    Click(*Row(3), Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage(), 3) << "a row pages like the background";
    EXPECT_EQ(FilledRows(), 5);
    EXPECT_EQ(Row(0)->text(), QStringLiteral(" 21位              №   5        50点"));
    EXPECT_EQ(Indicator()->text(), QStringLiteral(" 21 - 30 表示中"));
    Click(Board, Qt::LeftButton);
    EXPECT_EQ(Board.CurrentPage(), 2);
    DoubleClick(*Row(1), Qt::LeftButton);
    EXPECT_EQ(Board.CurrentPage(), 1) << "a double click is one press";
    DoubleClick(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage(), 2);
    Click(Board, Qt::LeftButton);
    EXPECT_EQ(Board.CurrentPage(), 1);
    Click(*Indicator(), Qt::LeftButton);
    EXPECT_TRUE(Board.isVisible()) << "the indicator takes no clicks";
    Click(Board, Qt::MiddleButton);
    EXPECT_TRUE(Board.isVisible());
    Click(Board, Qt::LeftButton);
    EXPECT_FALSE(Board.isVisible());
}

TEST_F(RankingBoardWindow, ShownLevelsFollowThePointsAndTheRowsStayInsideTheScreen)
{
    ProgramOptions options;
    options.Level.OffsetDb = 101.5;
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, options));
    ASSERT_FALSE(StoreEntrantLevel(Folder.Context, 9, {112.34, 125.0, 104.2, true, 101.5, 50}));
    Open({100, 200, 300, 400, 500, 600, 700, 800, 900});
    EXPECT_EQ(Row(0)->text(), QStringLiteral("  1位              №   9       900点　≥112.3dB"));
    EXPECT_EQ(Row(1)->text(), QStringLiteral("  2位              №   8       800点　         ")) << "measured without levels";
    for (int row = 0; row < 9; ++row)
        EXPECT_LE(Row(row)->geometry().right(), Board.width()) << row;
}

TEST_F(RankingBoardWindow, RowsStartTogetherCentredAndTheIndicatorSitsBottomRight)
{
    Open({500, 1999, 7});
    const int left = Row(0)->x();
    EXPECT_NEAR(left + Row(0)->width() / 2, Board.width() / 2, 1);
    for (int row = 0; row < BoardRows; ++row)
        EXPECT_EQ(Row(row)->x(), left);
    EXPECT_LT(Row(0)->geometry().bottom(), Row(1)->y() + 1);
    EXPECT_EQ(Indicator()->geometry().right() + 1, Board.width());
    EXPECT_LT(Indicator()->geometry().bottom(), Board.height());
    EXPECT_GT(Indicator()->y(), Row(9)->y());
}

TEST_F(RankingBoardWindow, CharacterKeysCloseOtherKeysDoNot)
{
    const std::pair<int, QString> closing[] = {{Qt::Key_A, QStringLiteral("a")},
                                               {Qt::Key_5, QStringLiteral("5")},
                                               {Qt::Key_Space, QStringLiteral(" ")},
                                               {Qt::Key_Return, QStringLiteral("\r")},
                                               {Qt::Key_Escape, QString()}};
    Open({500});
    for (const auto& [key, text] : closing) {
        Board.show();
        Press(Board, Qt::Key_Right);
        Press(Board, Qt::Key_Shift);
        EXPECT_TRUE(Board.isVisible()) << "arrows and shift produce no character";
        Press(Board, key, text);
        EXPECT_FALSE(Board.isVisible()) << text.toStdString();
    }
}

TEST_F(RankingBoardWindow, ClosesItselfInTheHundredAndEightyFirstSecondPagingOrNot)
{
    Open({500, 600});
    for (int second = 1; second <= 180; ++second) {
        if (second % 50 == 0)
            Click(Board, Qt::RightButton);
        Board.CountIdleSecond();
    }
    EXPECT_TRUE(Board.isVisible());
    Board.CountIdleSecond();
    EXPECT_FALSE(Board.isVisible());
    EXPECT_FALSE(IdleTimer()->isActive());

    Board.show();
    EXPECT_EQ(Board.IdleSeconds(), 0) << "a new opening has its full time";
    EXPECT_TRUE(IdleTimer()->isActive());
    Board.CountIdleSecond();
    EXPECT_TRUE(Board.isVisible());
}

TEST_F(RankingBoardWindow, OpeningRanksEntrantsStoredSinceTheLastPass)
{
    Open({300});
    Board.close();
    WriteLogOfTotals(Folder, {300, 900});
    Board.show();
    EXPECT_EQ(Row(0)->text(), QStringLiteral("  1位              №   2       900点"));
}

TEST_F(RankingBoardWindow, ADamagedLogIsNamedInsteadOfShowingAnEmptyContest)
{
    WriteLogOfTotals(Folder, {500, 700});
    Folder.Write(QStringLiteral("loudlog.dat"), Folder.Read(QStringLiteral("loudlog.dat")).left(ResultRecord::Size + 20));
    Board.show();
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("測定ログが読めないか、壊れています。(%1)\nフォルダおよびファイルを確認してください！")
                                       .arg(Folder.Path(QStringLiteral("loudlog.dat")))});
    EXPECT_EQ(FilledRows(), 0);
}

TEST_F(RankingBoardWindow, NamesFollowThePointsAlignedAndALongOneIsCutShortInsideTheScreen)
{
    const QString longName = QString(40, QChar(u'寿'));
    Folder.Write(QStringLiteral("entrants.csv"), QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n1,%1,\r\n3,%2,\r\n")
                                                                              .arg(longName, QString::fromUcs4(U"𠮷田"))
                                                                              .toUtf8());
    Open({900, 1500, 1200});
    const QStringList rows = Rows();
    EXPECT_EQ(rows[0], BoardLabelText(1, 0, QStringLiteral("№   2      1500点"))) << "no name, no change";
    EXPECT_EQ(rows[1], BoardLabelText(1, 1, QStringLiteral("№   3      1200点")) + QString::fromUcs4(U"　𠮷田"));
    EXPECT_TRUE(rows[2].startsWith(BoardLabelText(1, 2, QStringLiteral("№   1       900点")) + QStringLiteral("　寿")));
    EXPECT_TRUE(rows[2].endsWith(QStringLiteral("…")));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Row(row)->x(), Row(0)->x()) << "the columns stay aligned";
        EXPECT_GE(Row(row)->x(), 0);
        EXPECT_LE(Row(row)->geometry().right(), Board.width());
    }
}
