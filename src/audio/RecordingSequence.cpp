#include "audio/RecordingSequence.h"

#include "audio/MciCommands.h"
#include "core/StepRunner.h"
#include "audio/MciErrorText.h"
#include "core/ContestState.h"

namespace {

const QString Alias = QStringLiteral("mysound");

}

RecordingSequence::RecordingSequence(ContestState& context, MciCommands& commands, StepRunner& run)
    : Context(context), Commands(commands), Steps(run)
{
}

RecordingSequence::Result RecordingSequence::Run(const QString& command, int step)
{
    if (!Commands.RunMciCommand(command)) {
        Context.Messages.Inform(QStringLiteral("動作エラー！( ") + QString::number(step) + QLatin1Char(')'), MessageIcon::Error);
        return Result::FolderLost;
    }
    return Commands.LastStatus() == MciSuccess ? Result::Done : Result::DeviceFailed;
}

bool RecordingSequence::CloseLeftover()
{
    if (Commands.RunMciCommand(QStringLiteral("close ") + Alias))
        return true;
    Context.Messages.Inform(QStringLiteral("グラフデータ保存フォルダが正しくありません！"), MessageIcon::Error);
    return false;
}

bool RecordingSequence::Start(const QString& fileName, int milliseconds)
{
    if (Run(QStringLiteral("open ") + fileName + QStringLiteral(" alias ") + Alias + QStringLiteral(" type waveaudio"), 2) !=
        Result::Done)
        return false;
    if (!Pause())
        return false;
    const QString record = QStringLiteral("record ") + Alias + QStringLiteral(" from 0 to ") + QString::number(milliseconds) +
                           QStringLiteral(" overwrite");
    if (Run(record, 2) != Result::Done) {
        Abandon();
        return false;
    }
    return Pause();
}

bool RecordingSequence::Pause()
{
    if (Steps.Wait(1))
        return true;
    Abandon();
    return false;
}

bool RecordingSequence::Finish()
{
    bool whole = true;
    for (const char* command : {"stop ", "save ", "close "}) {
        const Result result = Run(QLatin1String(command) + Alias, 3);
        if (result == Result::FolderLost) {
            Abandon();
            return false;
        }
        whole = whole && result == Result::Done;
    }
    return whole;
}

void RecordingSequence::Abandon()
{
    QString reply;
    Commands.SendMciCommand(QStringLiteral("close ") + Alias, reply);
}
