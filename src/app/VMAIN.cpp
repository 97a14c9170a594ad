#include "app/VMAIN.h"

#include "app/AppContext.h"
#include "app/VVUty.h"
#include "platform/AutomationDate.h"
#include "store/ResultStore.h"
#include "store/SetupRequest.h"
#include "store/SettingsStore.h"

#include <QProcess>

bool CheckSystemAtStart(AppContext& context, const QString& productName, const QString& kernelType)
{
    if (CheckOperatingSystem(context, productName, kernelType))
        return true;
    context.Messages.Inform(QStringLiteral("本製品はこのパソコンではご利用できません！"), MessageIcon::Information);
    return false;
}

bool LoadContestAtStart(ContestState& context)
{
    LoadSetupRequest(context);
    if (!LoadBasicSettings(context))
        return false;
    if (!context.Contest.SetupRequest)
        return true;
    context.Messages.Inform(QStringLiteral("<< インストール / 初期設定要求 >>\nパソコンの環境にソフトウェアの設定を合わせます。"),
                            MessageIcon::Information);
    return ConsumeSetupRequest(context);
}

QString ClockText(const QTime& time)
{
    return QLatin1Char('<') + FormatClock(time) + QLatin1Char('>');
}

bool StartDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString HelpFilePath(const ContestState& context)
{
    return context.Folder.FilePath(QStringLiteral("zuv18.chm"));
}

void OpenHelpFile(ContestState& context, const StartProgram& start)
{
    if (!start(QStringLiteral("xdg-open"), {HelpFilePath(context)}))
        context.Messages.Inform(QStringLiteral("ヘルプファイルが見つかりません！"), MessageIcon::None);
}
