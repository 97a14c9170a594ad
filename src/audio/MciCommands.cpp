#include "audio/MciCommands.h"

#include "core/ContestState.h"
#include "core/AtomicFile.h"
#include "audio/MciDevice.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool IsClose(const QString& command)
{
    return command.simplified().section(QLatin1Char(' '), 0, 0).compare(QLatin1String("close"), Qt::CaseInsensitive) == 0;
}

} // namespace

MciCommands::MciCommands(ContestState& context, MciDevice& device) : Context(context), Device(device) {}

int32_t MciCommands::SendMciCommand(const QString& command, QString& reply)
{
    if (command.isEmpty()) {
        reply = MciFailureReply(MciEmptyCommand);
        return MciEmptyCommand;
    }
    const MciReply answer = Device.Execute(command);
    if (answer.Code == MciSuccess) {
        reply = answer.Text;
        return MciSuccess;
    }
    reply = MciFailureReply(answer.Code);
    return answer.Code;
}

MciRun MciCommands::RunMciCommand(const QString& command)
{
    if (!QFileInfo(Context.Folder.Path()).isDir())
        return {};
    QString reply;
    MciRun run{true, SendMciCommand(command, reply), {}};
    switch (run.Status) {
    case MciSuccess:
        return run;
    case MciInvalidDeviceName:
        // Closing an alias that is not open is harmless; a recording or a
        // save on it did nothing, which must not pass for done.
        if (IsClose(command)) {
            run.Status = MciSuccess;
            return run;
        }
        break;
    case MciInvalidFile:
        if (!RepairRecordingFile(RecordingPath))
            run.Failures.push_back(RecordingNotRepaired{});
        break;
    case MciWaveInputsUnsuitable:
        if (Device.SoundServerMissing()) {
            run.Failures.push_back(SoundServerUnreachable{});
            return run;
        }
        break;
    default:
        break;
    }
    run.Failures.push_back(DeviceFailed{run.Status, command});
    return run;
}

bool MciCommands::RepairRecordingFile(const QString& path)
{
    return !path.isEmpty() && CopyFileReplacing(Context.Folder.FilePath(QStringLiteral("MKSRC.WAV")), path);
}
