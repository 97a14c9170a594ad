#include "results/RankingPages.h"

#include "core/DisplayFormat.h"

#include <algorithm>

namespace {

constexpr int MaxBoardPages = 300;

}

int LastBoardPage(int ranked)
{
    return std::min(ranked / BoardRows + 1, MaxBoardPages);
}

QString BoardRowText(const ResultRecord& record)
{
    return QStringLiteral("№") + NumberCell(record.EntryNo, 4) + QString(6, QLatin1Char(' ')) +
           NumberCell(record.TotalPoints, 4) + QStringLiteral("点");
}

std::array<QString, BoardRows> BoardPageRows(std::span<const ResultRecord> ranking, int page)
{
    std::array<QString, BoardRows> rows;
    const qsizetype first = qsizetype(page - 1) * BoardRows;
    for (int row = 0; row < BoardRows; ++row) {
        const qsizetype index = first + row;
        if (index < 0 || index >= qsizetype(ranking.size()))
            break;
        rows[static_cast<size_t>(row)] = BoardRowText(ranking[static_cast<size_t>(index)]);
    }
    return rows;
}

QString BoardLabelText(int page, int row, const QString& rowText)
{
    if (rowText.isEmpty())
        return {};
    const int rank = (page - 1) * BoardRows + row + 1;
    const int lastRankOfPage = page * BoardRows;
    return NumberCell(rank, lastRankOfPage > 999 ? 4 : 3) + QStringLiteral("位") + QString(14, QLatin1Char(' ')) + rowText;
}

QString BoardIndicatorText(int page)
{
    const int first = (page - 1) * BoardRows + 1;
    return FormatNumber(first) + QStringLiteral(" -") + FormatNumber(first + BoardRows - 1) + QStringLiteral(" 表示中");
}

std::optional<int> BoardPageAfterClick(Qt::MouseButton button, int page, int lastPage)
{
    switch (button) {
    case Qt::LeftButton:
        if (page <= 1)
            return std::nullopt;
        return page - 1;
    case Qt::RightButton:
        return page >= lastPage ? 1 : page + 1;
    default:
        return page;
    }
}

QString BoardLevelCell(const std::optional<EntrantLevel>& level)
{
    constexpr int Columns = 7;
    return QStringLiteral("　") +
           (level ? SoundLevelColumn(level->LAFmax, level->Clipped, Columns) + QStringLiteral("dB") : QString(Columns + 2, u' '));
}
