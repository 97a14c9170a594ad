#include "audio/MciCommands.h"

#include "core/ContestState.h"
#include "core/Waits.h"
#include "core/AtomicFile.h"
#include "audio/MciDevice.h"
#include "audio/MciErrorText.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int32_t EmptyCommand = -1;

QString DeviceErrorMessage(int32_t code, const QString& reply, const QString& command)
{
    QString text = reply + QStringLiteral(" (") + QString::number(code) + QStringLiteral(")(") + command + QLatin1Char(')');
    if (code == MciWaveInputsUnsuitable)
        text += QStringLiteral("\nマイクが接続されていない（または、マイクが機能していない)可能性があります。");
    return text;
}

} // namespace

MciCommands::MciCommands(ContestState& context, MciDevice& device) : Context(context), Device(device) {}

int32_t MciCommands::SendMciCommand(const QString& command, QString& reply)
{
    if (command.isEmpty()) {
        reply = QStringLiteral("コマンド文字列が指定されていません");
        return EmptyCommand;
    }
    const MciReply answer = Device.Execute(command);
    if (answer.Code == MciSuccess) {
        reply = answer.Text;
        return MciSuccess;
    }
    reply = MciErrorText(answer.Code).value_or(QStringLiteral("Error (文字列が取れません)"));
    return answer.Code;
}

bool MciCommands::RunMciCommand(const QString& command)
{
    if (!QFileInfo(Context.Folder.Path()).isDir())
        return false;
    WaitMilliseconds(1);
    QString reply;
    const int32_t code = SendMciCommand(command, reply);
    WaitMilliseconds(1);
    LastCode = code;
    switch (code) {
    case MciSuccess:
    case MciInvalidDeviceName:
        // Closing an alias that is not open is harmless.
        LastCode = MciSuccess;
        break;
    case MciInvalidFile:
        RepairRecordingFile(RecordingPath);
        WaitMilliseconds(1);
        Context.Messages.Show(DeviceErrorMessage(code, reply, command), QStringLiteral("Error"), MessageIcon::Error, MessageButtons::Ok);
        break;
    default:
        Context.Messages.Show(DeviceErrorMessage(code, reply, command), QStringLiteral("Error"), MessageIcon::Error, MessageButtons::Ok);
        break;
    }
    return true;
}

void MciCommands::RepairRecordingFile(const QString& path)
{
    if (path.isEmpty() || !CopyFileReplacing(Context.Folder.FilePath(QStringLiteral("MKSRC.WAV")), path))
        Context.Messages.Inform(QStringLiteral("音声ファイルエラー!\n再起動してください！"), MessageIcon::Error);
}
