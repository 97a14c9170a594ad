#include "audio/RecordingSequence.h"

#include "audio/MciCommands.h"
#include "core/StepRunner.h"
#include "core/MciErrorText.h"

namespace {

const QString Alias = QStringLiteral("mysound");

}

RecordingSequence::RecordingSequence(MciCommands& commands, StepRunner& run) : Commands(commands), Steps(run) {}

RecordingSequence::Result RecordingSequence::Run(const QString& command, int step, AudioStep& report)
{
    MciRun run = Commands.RunMciCommand(command);
    if (!run.Sent) {
        report.Failures.push_back(FolderLost{step});
        return Result::FolderLost;
    }
    report.Failures.insert(report.Failures.end(), run.Failures.begin(), run.Failures.end());
    return run.Status == MciSuccess ? Result::Done : Result::DeviceFailed;
}

AudioStep RecordingSequence::CloseLeftover()
{
    MciRun run = Commands.RunMciCommand(QStringLiteral("close ") + Alias);
    if (!run.Sent)
        return {false, {RecordingFolderUnusable{}}};
    return {true, std::move(run.Failures)};
}

AudioStep RecordingSequence::Start(const QString& fileName, int milliseconds)
{
    AudioStep report;
    if (Run(QStringLiteral("open ") + fileName + QStringLiteral(" alias ") + Alias + QStringLiteral(" type waveaudio"), 2, report) !=
        Result::Done) {
        report.Done = false;
        return report;
    }
    if (!Pause()) {
        report.Done = false;
        return report;
    }
    const QString record = QStringLiteral("record ") + Alias + QStringLiteral(" from 0 to ") + QString::number(milliseconds) +
                           QStringLiteral(" overwrite");
    if (Run(record, 2, report) != Result::Done) {
        Abandon();
        report.Done = false;
        return report;
    }
    report.Done = Pause() && AwaitFirstSample(record, report);
    return report;
}

bool RecordingSequence::AwaitFirstSample(const QString& record, AudioStep& report)
{
    const qint64 start = Steps.Milliseconds();
    while (!SamplesArrived()) {
        if (Steps.Milliseconds() - start >= FirstSampleWaitMs) {
            // An input that stays silent this long is not starting: the
            // device is not recording.
            report.Failures.push_back(DeviceFailed{MciHardwareError, record});
            Abandon();
            return false;
        }
        if (!Steps.Wait(10)) {
            Abandon();
            return false;
        }
    }
    return true;
}

bool RecordingSequence::SamplesArrived()
{
    QString position;
    return Commands.SendMciCommand(QStringLiteral("status ") + Alias + QStringLiteral(" position"), position) == MciSuccess &&
           position.toLongLong() > 0;
}

bool RecordingSequence::Pause()
{
    if (Steps.Wait(1))
        return true;
    Abandon();
    return false;
}

AudioStep RecordingSequence::Finish(const std::function<void()>& saved)
{
    AudioStep report;
    for (const QLatin1String command : {QLatin1String("stop "), QLatin1String("save "), QLatin1String("close ")}) {
        const Result result = Run(command + Alias, 3, report);
        if (result == Result::FolderLost) {
            Abandon();
            report.Done = false;
            return report;
        }
        report.Done = report.Done && result == Result::Done;
        if (saved && report.Done && command == QLatin1String("save "))
            saved();
    }
    return report;
}

void RecordingSequence::Abandon()
{
    QString reply;
    Commands.SendMciCommand(QStringLiteral("close ") + Alias, reply);
}
