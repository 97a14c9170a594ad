#include "report/OutputRun.h"

bool HasStoredRecord(int entryNo, int lastEntry)
{
    return entryNo >= 1 && entryNo <= lastEntry;
}

RunEnd RunOutputRange(int start, int end, int lastEntry, const OutputRunSteps& steps)
{
    bool anyOutput = false;
    for (int n = start; n <= end; ++n) {
        if (!HasStoredRecord(n, lastEntry))
            continue;
        steps.ShowNumber(n);
        steps.LetEventsRun();
        if (steps.StopRequested() && steps.ConfirmStop())
            return RunEnd::Stopped;
        switch (steps.OutputSheet(n)) {
        case SheetOutcome::Output:
            anyOutput = true;
            break;
        case SheetOutcome::StoppedThere:
            return RunEnd::Stopped;
        case SheetOutcome::Failed:
            return RunEnd::Failed;
        }
    }
    return anyOutput ? RunEnd::Completed : RunEnd::NothingToOutput;
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
