#include "core/ContestOperations.h"

#include "core/ContestState.h"
#include "core/ResultStore.h"

#include <QDir>

int RankOfEntrant(const std::array<int16_t, MaxEntrants + 1>& scoreTable, int entryNo)
{
    const int16_t total = scoreTable[entryNo];
    int rank = 1;
    for (int earlier = 1; earlier < entryNo; ++earlier) {
        if (scoreTable[earlier] >= total)
            ++rank;
    }
    return rank;
}

int RankMeasuredEntrant(ContestState& state)
{
    const int entryNo = state.Contest.EntryNo;
    state.Contest.ScoreTable[entryNo] = static_cast<int16_t>(state.Measure.TotalPoints);
    return RankOfEntrant(state.Contest.ScoreTable, entryNo);
}

bool StoreMeasuredResult(ContestState& state)
{
    if (!StoreResult(state, state.Contest.EntryNo, state.Measure)) {
        state.Messages.Inform(QStringLiteral("ﾛｸﾞﾌｧｨﾙ書込時にｴﾗｰがでました！"), MessageIcon::Error);
        return false;
    }
    ++state.Contest.EntryNo;
    return true;
}

std::optional<std::vector<ResultRecord>> ListEntrants(ContestState& state, EntrantOrder order)
{
    // A damaged log lists nobody, and the ranking derived from it neither.
    if (!ScanLog(state)) {
        ReportUnreadableFile(state, state.LogPath());
        return std::nullopt;
    }
    const QString path = order == EntrantOrder::ByEntry ? state.LogPath() : state.RankingPath();
    std::optional<std::vector<ResultRecord>> entrants = ReadEntrants(path);
    if (!entrants)
        ReportUnreadableFile(state, path);
    return entrants;
}

std::optional<std::vector<ResultRecord>> RankAndListEntrants(ContestState& state, EntrantOrder order)
{
    RebuildRanking(state);
    return ListEntrants(state, order);
}

void ReportUnreadableFile(ContestState& state, const QString& path)
{
    state.Messages.Inform(QStringLiteral("測定ログが読めないか、壊れています。(%1)\n"
                                         "フォルダおよびファイルを確認してください！")
                              .arg(QDir::toNativeSeparators(path)),
                          MessageIcon::Error);
}
