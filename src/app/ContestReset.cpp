#include "app/ContestReset.h"

#include "store/ContestState.h"
#include "store/ResultStore.h"
#include "store/SetupRequest.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool IsRecordingName(const QString& name)
{
    return name.startsWith(QStringLiteral("xx"), Qt::CaseInsensitive) &&
           name.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive);
}

}

bool DeleteRecordings(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return false;
    bool found = false;
    bool deletedAll = true;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (!IsRecordingName(entry.fileName()))
            continue;
        found = true;
        deletedAll = QFile::remove(entry.filePath()) && deletedAll;
    }
    return found && deletedAll;
}

bool ClearContestData(ContestState& context)
{
    if (!ClearLog(context))
        return false;
    if (DeleteRecordings(context.Folder.Path()))
        context.Messages.Inform(QStringLiteral("クリアしました！"), MessageIcon::None);
    else
        context.Messages.Inform(QStringLiteral("データが不正です。(WAVｸﾘｱ)"), MessageIcon::Warning);
    return true;
}

bool RequestFactoryReset(ContestState& context)
{
    const QString question = QStringLiteral("セットアップ時のシステム設定をします。\n"
                                            "次回の起動時にすべての設定が出荷時に戻ります。\n"
                                            "実行しますか?");
    if (context.Messages.Show(question, QStringLiteral("確認"), MessageIcon::Warning, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    context.Contest.SetupRequest = true;
    if (!SaveSetupRequest(context)) {
        context.Contest.SetupRequest = false;
        return false;
    }
    context.Messages.Inform(QStringLiteral("実行しました！　再度、ソフトウェアを起動してください。"), MessageIcon::None);
    context.EndProgram();
    return true;
}
