#include "report/OutputRun.h"

RunEnd RunOutputRange(int start, int end, int lastEntry, const OutputRunSteps& steps)
{
    for (int n = start; n <= end; ++n) {
        if (n < 1 || n > lastEntry)
            continue;
        steps.ShowNumber(n);
        steps.LetEventsRun();
        if (steps.StopRequested() && steps.ConfirmStop())
            return RunEnd::Stopped;
        if (!steps.OutputSheet(n))
            return RunEnd::Stopped;
    }
    return RunEnd::Completed;
}
