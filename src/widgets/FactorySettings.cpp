#include "widgets/FactorySettings.h"

#include "core/SettingsStore.h"
#include "widgets/ContestSession.h"
#include "widgets/OperatorMessages.h"

bool OfferFactorySettings(ContestSession& session)
{
    const MessageAnswer answer = session.Messages.Show(QStringLiteral("環境設定を初期値に戻します。"), QString(),
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
