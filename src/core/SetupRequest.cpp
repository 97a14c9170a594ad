#include "core/SetupRequest.h"

#include "core/AtomicFile.h"
#include "core/WriteNotation.h"
#include "core/ContestState.h"

#include <QFile>

namespace {

const QString SetupRequestFile = QStringLiteral("SKANRI.REC");

}

std::optional<SetupRequestUnreadable> LoadSetupRequest(ContestState& context)
{
    QFile file(context.Folder.FilePath(SetupRequestFile));
    const bool opened = file.open(QIODevice::ReadOnly);
    WriteNotationReader reader(opened ? file.readAll() : QByteArray());
    const bool read = opened && file.error() == QFileDevice::NoError &&
                      reader.ReadBoolean(context.Contest.SetupRequest) && reader.ReadBoolean(context.Contest.SetupCompanion);
    if (read)
        return std::nullopt;
    return SetupRequestUnreadable{};
}

std::optional<SetupRequestNotWritten> SaveSetupRequest(const ContestState& context)
{
    WriteNotationWriter writer;
    writer.WriteBoolean(context.Contest.SetupRequest);
    writer.WriteBoolean(context.Contest.SetupCompanion);
    const QString path = context.Folder.FilePath(SetupRequestFile);
    if (WriteFileAtomically(path, writer.Bytes()))
        return std::nullopt;
    return SetupRequestNotWritten{path};
}
