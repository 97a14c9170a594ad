#include "app/ContestReset.h"

#include "core/EntrantLevels.h"

#include "widgets/ContestSession.h"
#include "core/ResultStore.h"
#include "core/SetupRequest.h"
#include "widgets/FactorySettings.h"
#include "widgets/OperatorMessages.h"

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

bool ClearContestData(ContestSession& context)
{
    // The levels first: left behind, they would pass for the next contest's.
    if (!Succeeded(context.Messages, ClearEntrantLevels(context)))
        return false;
    if (!Succeeded(context.Messages, ClearLog(context)))
        return false;
    if (DeleteRecordings(context.Folder.Path()))
        context.Messages.Inform(QStringLiteral("クリアしました！"), MessageIcon::None);
    else
        context.Messages.Inform(QStringLiteral("データが不正です。(WAVｸﾘｱ)"), MessageIcon::Warning);
    return true;
}

bool RequestFactoryReset(ContestSession& context)
{
    const QString question = WarnedOfLoggedEntrants(context, QStringLiteral("セットアップ時のシステム設定をします。\n"
                                                                            "次回の起動時にすべての設定が出荷時に戻ります。\n"
                                                                            "実行しますか?"));
    if (context.Messages.Show(question, QStringLiteral("確認"), MessageIcon::Warning, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    context.Contest.SetupRequest = true;
    if (!Succeeded(context.Messages, SaveSetupRequest(context))) {
        context.Contest.SetupRequest = false;
        return false;
    }
    context.Messages.Inform(QStringLiteral("実行しました！　再度、ソフトウェアを起動してください。"), MessageIcon::None);
    context.EndProgram();
    return true;
}

LockedAction DataClear(ContestSession& context)
{
    LockedAction action;
    action.Title = QStringLiteral("データクリア");
    action.Heading = QStringLiteral("大会を最初から始める時の処理です。");
    action.Explanation = QStringLiteral("（大会ログもクリアされます。）");
    action.ButtonCaption = QStringLiteral("実行(&U)");
    action.Run = [&context] { return ClearContestData(context); };
    return action;
}

LockedAction FactoryResetRequest(ContestSession& context)
{
    LockedAction action;
    action.Title = QStringLiteral("設定初期化");
    action.Heading = QStringLiteral("出荷時設定");
    action.Explanation = QStringLiteral("すべての設定をインストール時の設定に戻して、システムの再セットアップをおこないます。");
    action.ButtonCaption = QStringLiteral("実行(&X)");
    action.BoldHeading = true;
    action.ExplanationWidth = 320;
    // Read now so that the companion value is written back unchanged.
    action.Prepare = [&context] { Report(context.Messages, LoadSetupRequest(context)); };
    action.Run = [&context] { return RequestFactoryReset(context); };
    return action;
}
