#include "report/OutputRun.h"

#include "core/StepRunner.h"

#include <vector>

bool HasStoredRecord(int entryNo, int lastEntry)
{
    return entryNo >= 1 && entryNo <= lastEntry;
}

// Each sheet is two steps, so that the window's events run between the
// number shown and the stop check; a stop abandons the run.
RunEnd RunOutputRange(int start, int end, int lastEntry, const OutputRunSteps& steps, StepRunner& run)
{
    std::vector<StepRunner::Step> sheets;
    for (int n = start; n <= end; ++n) {
        if (!HasStoredRecord(n, lastEntry))
            continue;
        sheets.push_back([&steps, n] {
            steps.ShowNumber(n);
            return true;
        });
        sheets.push_back([&steps, &run, n] {
            if (steps.StopRequested() && steps.ConfirmStop()) {
                run.Abandon();
                return true;
            }
            const SheetOutcome outcome = steps.OutputSheet(n);
            if (outcome == SheetOutcome::StoppedThere)
                run.Abandon();
            return outcome != SheetOutcome::Failed;
        });
    }
    if (sheets.empty())
        return RunEnd::NothingToOutput;
    switch (run.Run(sheets)) {
    case StepRunner::Outcome::Completed:
        return RunEnd::Completed;
    case StepRunner::Outcome::Failed:
        return RunEnd::Failed;
    case StepRunner::Outcome::Abandoned:
        break;
    }
    return RunEnd::Stopped;
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
