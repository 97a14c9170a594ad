#include "app/AppContext.h"

AppContext::AppContext(const QString& programFolder, MessageBoxService& messages)
    : Folder(programFolder), Messages(messages)
{
}

QString AppContext::LogPath() const
{
    return Folder.FilePath(QStringLiteral("loudlog.dat"));
}

QString AppContext::RankingPath() const
{
    return Folder.FilePath(QStringLiteral("loudjni.dat"));
}

void AppContext::EndProgram()
{
    EndIsRequested = true;
    if (OnEndProgram)
        OnEndProgram();
}
