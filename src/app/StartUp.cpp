#include "app/StartUp.h"

#include "app/AppContext.h"
#include "app/SystemCheck.h"
#include "core/AtomicFile.h"
#include "core/AutomationDate.h"
#include "core/Cp932.h"
#include "core/ResultStore.h"
#include "core/SetupRequest.h"
#include "core/SettingsStore.h"
#include "widgets/FactorySettings.h"
#include "widgets/OperatorMessages.h"

#include <QDir>

bool CheckSystemAtStart(AppContext& context, const QString& productName, const QString& kernelType)
{
    if (CheckOperatingSystem(context, productName, kernelType))
        return true;
    context.Messages.Inform(QStringLiteral("本製品はこのパソコンではご利用できません！"), MessageIcon::Information);
    return false;
}

void CheckProgramFolderPath(ContestSession& context)
{
    const QString outside = CharactersOutsideCp932(context.Folder.Path());
    if (outside.isEmpty())
        return;
    context.Messages.Inform(QStringLiteral("このフォルダの場所には、設定ファイルに書き込めない文字があります。\n%1\n"
                                           "書き込めない文字： %2\n"
                                           "効果音などの設定が保存されません。ずべろを別のフォルダに置いてください。")
                                .arg(QDir::toNativeSeparators(context.Folder.Path()), outside),
                            MessageIcon::Warning);
}

namespace {

void InformSetup(ContestSession& context)
{
    context.Messages.Inform(QStringLiteral("<< インストール / 初期設定要求 >>\nパソコンの環境にソフトウェアの設定を合わせます。"),
                            MessageIcon::Information);
}

// The request is cleared on disk before the question, so that a No does not
// ask again at the next start.
bool ConsumeSetupRequest(ContestSession& context)
{
    Report(context.Messages, LoadSetupRequest(context));
    context.Contest.SetupRequest = false;
    Report(context.Messages, SaveSetupRequest(context));
    return OfferFactorySettings(context);
}

// A folder without any settings file is a new installation, not damaged
// data: it is set up as for a setup request, one that may be pending too.
bool SetUpNewContestFolder(ContestSession& context)
{
    InformSetup(context);
    return context.Contest.SetupRequest ? ConsumeSetupRequest(context) : OfferFactorySettings(context);
}

}

bool LoadContestAtStart(ContestSession& context)
{
    RemoveLeftoverTemporaries(context.Folder.Path());
    CheckProgramFolderPath(context);
    Report(context.Messages, LoadSetupRequest(context));
    if (HoldsNoSettingsFile(context))
        return SetUpNewContestFolder(context);
    const std::optional<SettingsDamaged> damaged = LoadAllSettings(context);
    if (damaged && !RecoverDamagedSettings(context, *damaged))
        return false;
    if (!context.Contest.SetupRequest)
        return true;
    InformSetup(context);
    return ConsumeSetupRequest(context);
}

QString ClockText(const QTime& time)
{
    return QLatin1Char('<') + FormatClock(time) + QLatin1Char('>');
}
