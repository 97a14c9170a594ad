#include "core/SetupRequest.h"

#include "core/AtomicFile.h"
#include "core/WriteNotation.h"
#include "core/ContestState.h"
#include "core/SettingsStore.h"

#include <QFile>

namespace {

const QString SetupRequestFile = QStringLiteral("SKANRI.REC");

}

void LoadSetupRequest(ContestState& context)
{
    QFile file(context.Folder.FilePath(SetupRequestFile));
    const bool opened = file.open(QIODevice::ReadOnly);
    WriteNotationReader reader(opened ? file.readAll() : QByteArray());
    const bool read = opened && file.error() == QFileDevice::NoError &&
                      reader.ReadBoolean(context.Contest.SetupRequest) && reader.ReadBoolean(context.Contest.SetupCompanion);
    if (!read)
        context.Messages.Inform(QStringLiteral("データが不正です。(SKANRI)"), MessageIcon::Warning);
}

bool SaveSetupRequest(ContestState& context)
{
    WriteNotationWriter writer;
    writer.WriteBoolean(context.Contest.SetupRequest);
    writer.WriteBoolean(context.Contest.SetupCompanion);
    if (WriteFileAtomically(context.Folder.FilePath(SetupRequestFile), writer.Bytes()))
        return true;
    context.Messages.Inform(QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)\nディスクやファイル属性を確認してください！"),
                            MessageIcon::Error);
    return false;
}

bool ConsumeSetupRequest(ContestState& context)
{
    LoadSetupRequest(context);
    context.Contest.SetupRequest = false;
    SaveSetupRequest(context);
    return ResetToFactorySettings(context);
}
