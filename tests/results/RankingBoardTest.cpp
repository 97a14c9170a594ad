#include "results/RankingBoard.h"

#include "platform/ClickLabel.h"
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

    QStringList Rows() const
    {
        QStringList rows;
        for (const ClickLabel* row : Board.HYOX1)
            rows << row->text();
        return rows;
    }

    int FilledRows() const
    {
        int filled = 0;
        for (const ClickLabel* row : Board.HYOX1)
            filled += !row->text().isEmpty();
        return filled;
    }

    // The application comes before the window.
    bool Application = (EnsureApplication(), true);
    TestFolder Folder;
    RankingBoard Board{Folder.Context};
};

void Click(QWidget& widget, Qt::MouseButton button)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
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
    EXPECT_EQ(Board.LastPage, 1);
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_EQ(Board.LB1->text(), QStringLiteral(" 1 - 10 表示中"));
    Click(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage, 1) << "round to the only page";
    EXPECT_TRUE(Board.isVisible());
}

TEST_F(RankingBoardWindow, NineEntrantsFillOnePageTenMakeAnEmptySecondPage)
{
    Open({100, 200, 300, 400, 500, 600, 700, 800, 900});
    EXPECT_EQ(Board.LastPage, 1);
    EXPECT_EQ(FilledRows(), 9);
    EXPECT_EQ(Board.HYOX1[0]->text(), QStringLiteral("  1位              №   9       900点"));
    EXPECT_EQ(Board.HYOX1[8]->text(), QStringLiteral("  9位              №   1       100点"));
    Board.close();

    Open({100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
    EXPECT_EQ(Board.LastPage, 2);
    EXPECT_EQ(FilledRows(), 10);
    Click(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage, 2);
    EXPECT_EQ(FilledRows(), 0);
    EXPECT_EQ(Board.LB1->text(), QStringLiteral(" 11 - 20 表示中"));
    Click(Board, Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage, 1);
    EXPECT_EQ(FilledRows(), 10);
}

TEST_F(RankingBoardWindow, TwentyFiveEntrantsPageForwardRoundAndBackToClosing)
{
    std::vector<int> totals;
    for (int n = 1; n <= 25; ++n)
        totals.push_back(n * 10);
    Open(totals);
    EXPECT_EQ(Board.LastPage, 3);
    Click(Board, Qt::RightButton);
    Click(*Board.HYOX1[3], Qt::RightButton);
    EXPECT_EQ(Board.CurrentPage, 3) << "a row pages like the background";
    EXPECT_EQ(FilledRows(), 5);
    EXPECT_EQ(Board.HYOX1[0]->text(), QStringLiteral(" 21位              №   5        50点"));
    EXPECT_EQ(Board.LB1->text(), QStringLiteral(" 21 - 30 表示中"));
    Click(Board, Qt::LeftButton);
    EXPECT_EQ(Board.CurrentPage, 2);
    Click(Board, Qt::LeftButton);
    EXPECT_EQ(Board.CurrentPage, 1);
    Click(*Board.LB1, Qt::LeftButton);
    EXPECT_TRUE(Board.isVisible()) << "the indicator takes no clicks";
    Click(Board, Qt::MiddleButton);
    EXPECT_TRUE(Board.isVisible());
    Click(Board, Qt::LeftButton);
    EXPECT_FALSE(Board.isVisible());
}

TEST_F(RankingBoardWindow, EqualTotalsListTheEarlierEntrantFirst)
{
    Open({500, 700, 700, 300});
    EXPECT_EQ(Rows().mid(0, 4), (QStringList{QStringLiteral("  1位              №   2       700点"),
                                             QStringLiteral("  2位              №   3       700点"),
                                             QStringLiteral("  3位              №   1       500点"),
                                             QStringLiteral("  4位              №   4       300点")}));
}

TEST_F(RankingBoardWindow, RowsStartTogetherCentredAndTheIndicatorSitsBottomRight)
{
    Open({500, 1999, 7});
    const int left = Board.HYOX1[0]->x();
    EXPECT_NEAR(left + Board.HYOX1[0]->width() / 2, Board.width() / 2, 1);
    for (const ClickLabel* row : Board.HYOX1)
        EXPECT_EQ(row->x(), left);
    EXPECT_LT(Board.HYOX1[0]->geometry().bottom(), Board.HYOX1[1]->y() + 1);
    EXPECT_EQ(Board.LB1->geometry().right() + 1, Board.width());
    EXPECT_LT(Board.LB1->geometry().bottom(), Board.height());
    EXPECT_GT(Board.LB1->y(), Board.HYOX1[9]->y());
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
        Board.LmtTM_Timer();
    }
    EXPECT_TRUE(Board.isVisible());
    Board.LmtTM_Timer();
    EXPECT_FALSE(Board.isVisible());
    EXPECT_FALSE(Board.LmtTM->isActive());

    Board.show();
    EXPECT_EQ(Board.IdleSeconds, 0) << "a new opening has its full time";
    EXPECT_TRUE(Board.LmtTM->isActive());
    Board.LmtTM_Timer();
    EXPECT_TRUE(Board.isVisible());
}

TEST_F(RankingBoardWindow, OpeningRanksEntrantsStoredSinceTheLastPass)
{
    Open({300});
    Board.close();
    WriteLogOfTotals(Folder, {300, 900});
    Board.show();
    EXPECT_EQ(Board.HYOX1[0]->text(), QStringLiteral("  1位              №   2       900点"));
}
