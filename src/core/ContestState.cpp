#include "core/ContestState.h"

ContestState::ContestState(const QString& programFolder, MessageBoxService& messages)
    : Folder(programFolder), Messages(messages)
{
}

QString ContestState::LogPath() const
{
    return Folder.FilePath(QStringLiteral("loudlog.dat"));
}

QString ContestState::RankingPath() const
{
    return Folder.FilePath(QStringLiteral("loudjni.dat"));
}

void ContestState::EndProgram()
{
    EndIsRequested = true;
    emit endRequested();
}
