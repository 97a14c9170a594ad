#include "audio/RecordingSequence.h"

#include "audio/MciCommands.h"
#include "core/MciErrorText.h"
#include "core/WaitClock.h"

#include <optional>

namespace {

const QString Alias = QStringLiteral("mysound");

PacedStep Settle(AudioStep& report, bool done)
{
    return [&report, done] {
        report.Done = done;
        return Pace::Next();
    };
}

} // namespace

RecordingSequence::RecordingSequence(MciCommands& commands, WaitClock& clock) : Commands(commands), Clock(clock) {}

RecordingSequence::Result RecordingSequence::Run(const QString& command, int step, AudioStep& report)
{
    MciRun run = Commands.RunMciCommand(command);
    LastStatus = run.Status;
    if (!run.Sent) {
        report.Failures.push_back(FolderLost{step});
        return Result::FolderLost;
    }
    report.Failures.insert(report.Failures.end(), run.Failures.begin(), run.Failures.end());
    return run.Status == MciSuccess ? Result::Done : Result::DeviceFailed;
}

std::vector<PacedStep> RecordingSequence::Command(const QString& command, int step, AudioStep& report,
                                                  std::function<bool(Result)> goesOn)
{
    return {Pause(1), [this, command, step, &report, goesOn] {
                const Result result = Run(command, step, report);
                if (!goesOn(result))
                    return Pace::Fail();
                // A broken file has been repaired meanwhile, which takes a
                // pause of its own.
                return Pace::Next(WaitOf(1) + (LastStatus == MciInvalidFile ? WaitOf(1) : 0));
            }};
}

std::vector<PacedStep> RecordingSequence::CloseLeftover(AudioStep& report)
{
    return {Settle(report, false), Pause(1), [this, &report] {
                MciRun run = Commands.RunMciCommand(QStringLiteral("close ") + Alias);
                if (!run.Sent) {
                    report.Failures.push_back(RecordingFolderUnusable{});
                    return Pace::Fail();
                }
                report.Failures.insert(report.Failures.end(), run.Failures.begin(), run.Failures.end());
                report.Done = true;
                return Pace::Next(WaitOf(1));
            }};
}

std::vector<PacedStep> RecordingSequence::Start(const QString& fileName, int milliseconds, AudioStep& report)
{
    const QString open = QStringLiteral("open ") + fileName + QStringLiteral(" alias ") + Alias + QStringLiteral(" type waveaudio");
    const QString record = QStringLiteral("record ") + Alias + QStringLiteral(" from 0 to ") + QString::number(milliseconds) +
                           QStringLiteral(" overwrite");
    return Joined({{Settle(report, false)},
                   Command(open, 2, report, [](Result result) { return result == Result::Done; }),
                   {Pause(1)},
                   Command(record, 2, report,
                           [this](Result result) {
                               if (result != Result::Done)
                                   Abandon();
                               return result == Result::Done;
                           }),
                   {Pause(1), AwaitFirstSample(record, report), Settle(report, true)}});
}

PacedStep RecordingSequence::AwaitFirstSample(const QString& record, AudioStep& report)
{
    return [this, record, &report, since = std::optional<qint64>()]() mutable {
        if (!since)
            since = Clock.Milliseconds();
        if (SamplesArrived())
            return Pace::Next();
        if (Clock.Milliseconds() - *since >= FirstSampleWaitMs) {
            // An input that stays silent this long is not starting: the
            // device is not recording.
            report.Failures.push_back(DeviceFailed{MciHardwareError, record});
            Abandon();
            return Pace::Fail();
        }
        return Pace::Again(WaitOf(10));
    };
}

bool RecordingSequence::SamplesArrived()
{
    QString position;
    return Commands.SendMciCommand(QStringLiteral("status ") + Alias + QStringLiteral(" position"), position) == MciSuccess &&
           position.toLongLong() > 0;
}

std::vector<PacedStep> RecordingSequence::Finish(AudioStep& report, std::function<void()> saved)
{
    std::vector<PacedStep> steps{Settle(report, true)};
    for (const QLatin1String command : {QLatin1String("stop "), QLatin1String("save "), QLatin1String("close ")}) {
        const bool save = command == QLatin1String("save ");
        auto commandSteps = Command(command + Alias, 3, report, [this, &report, save, saved](Result result) {
            if (result == Result::FolderLost) {
                Abandon();
                report.Done = false;
                return false;
            }
            report.Done = report.Done && result == Result::Done;
            if (saved && save && report.Done)
                saved();
            return true;
        });
        steps.insert(steps.end(), commandSteps.begin(), commandSteps.end());
    }
    steps.push_back([&report] { return report.Done ? Pace::Next() : Pace::Fail(); });
    return steps;
}

void RecordingSequence::Abandon()
{
    QString reply;
    Commands.SendMciCommand(QStringLiteral("close ") + Alias, reply);
}
