#include "core/ContestState.h"

ContestState::ContestState(const QString& programFolder) : Folder(programFolder) {}

QString ContestState::LogPath() const
{
    return Folder.FilePath(QStringLiteral("loudlog.dat"));
}

QString ContestState::RankingPath() const
{
    return Folder.FilePath(QStringLiteral("loudjni.dat"));
}
