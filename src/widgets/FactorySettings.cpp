#include "widgets/FactorySettings.h"

#include "core/ResultStore.h"
#include "core/SettingsStore.h"
#include "widgets/ContestSession.h"
#include "widgets/OperatorMessages.h"

#include <QFileInfo>

QString WarnedOfLoggedEntrants(const ContestState& context, const QString& question)
{
    // Never creates the log: the question may end the program without
    // writing anything.
    if (!QFileInfo::exists(context.LogPath()))
        return question;
    const auto entrants = ReadEntrants(context.LogPath());
    if (!entrants || entrants->empty())
        return question;
    return question + QStringLiteral("\n\n測定ログには出場者の記録があります。\n"
                                     "測定時間・録音品質・ノイズカット・録音ボリュームが出荷時の値に戻ると、"
                                     "次の出場者から測定の条件が変わります。");
}

bool OfferFactorySettings(ContestSession& session)
{
    const QString question = WarnedOfLoggedEntrants(session, QStringLiteral("環境設定を初期値に戻します。"));
    const MessageAnswer answer = session.Messages.Show(question, QString(),
                                                       MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        session.EndProgram();
        return false;
    }
    Report(session.Messages, ResetToFactorySettings(session));
    return true;
}

bool RecoverDamagedSettings(ContestSession& session, const SettingsDamaged& damaged)
{
    Report(session.Messages, damaged);
    return OfferFactorySettings(session);
}

bool LoadBasicSettingsOrRecover(ContestSession& session)
{
    const std::optional<SettingsDamaged> damaged = LoadBasicSettings(session);
    return !damaged || RecoverDamagedSettings(session, *damaged);
}
