#include "report/OutputRun.h"

#include <memory>
#include <utility>
#include <vector>

bool HasStoredRecord(int entryNo, int lastEntry)
{
    return entryNo >= 1 && entryNo <= lastEntry;
}

OutputRun::OutputRun(WaitClock& clock, QObject* parent) : QObject(parent), Run(clock)
{
    connect(&Run, &PacedRun::ended, this, [this](PacedRun::Outcome outcome) {
        switch (outcome) {
        case PacedRun::Outcome::Completed:
            emit ended(RunEnd::Completed);
            return;
        case PacedRun::Outcome::Failed:
            emit ended(RunEnd::Failed);
            return;
        case PacedRun::Outcome::Abandoned:
            break;
        }
        emit ended(RunEnd::Stopped);
    });
}

void OutputRun::Start(int start, int end, int lastEntry, OutputRunSteps steps)
{
    if (Run.Running())
        return;
    Steps = std::move(steps);
    std::vector<PacedStep> sheets;
    for (int n = start; n <= end; ++n) {
        if (!HasStoredRecord(n, lastEntry))
            continue;
        sheets.push_back([this, n] {
            Steps.ShowNumber(n);
            return Pace::Next();
        });
        // Whether the sheet is on view, between the step's two turns.
        sheets.push_back([this, n, onView = std::make_shared<bool>(false)] { return Output(n, *onView); });
    }
    if (sheets.empty()) {
        emit ended(RunEnd::NothingToOutput);
        return;
    }
    Run.Start(std::move(sheets));
}

// A stop, agreed to or chosen in the preview, abandons the run.
Pace OutputRun::Output(int entryNo, bool& onView)
{
    if (onView) {
        onView = false;
        if (StoppedOnView)
            Run.Abandon();
        return Pace::Next();
    }
    if (Steps.StopRequested() && Steps.ConfirmStop()) {
        Run.Abandon();
        return Pace::Next();
    }
    switch (Steps.OutputSheet(entryNo)) {
    case SheetOutcome::Output:
        return Pace::Next();
    case SheetOutcome::OnView:
        onView = true;
        StoppedOnView = false;
        return Pace::Hold();
    case SheetOutcome::Failed:
        break;
    }
    return Pace::Fail();
}

void OutputRun::SheetLeft(bool stopped)
{
    StoppedOnView = stopped;
    Run.Resume();
}

QString RunEndMessage(RunEnd end, bool intoPreview)
{
    switch (end) {
    case RunEnd::Completed:
        return intoPreview ? QString() : QStringLiteral("出力終了！");
    case RunEnd::NothingToOutput:
        return QStringLiteral("指定の範囲に出力する成績がありません！");
    case RunEnd::Stopped:
    case RunEnd::Failed:
        break;
    }
    return {};
}
