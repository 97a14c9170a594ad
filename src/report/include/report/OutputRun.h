#pragma once

#include <QString>
#include <functional>

class StepRunner;

// What became of one sheet of a run.
enum class SheetOutcome {
    Output,
    // The operator stopped the run in the preview, after this sheet.
    StoppedThere,
    // The sheet did not reach its printer or file; the step has said so.
    Failed,
};

// The output run over a range of entry numbers, one sheet after the other,
// with the steps the score sheet window supplies.
struct OutputRunSteps {
    // Shows the number of the sheet about to be output; the window's events
    // then run, where a press of the stop button is taken.
    std::function<void(int entryNo)> ShowNumber;
    // Whether a stop was requested since the run began or since the last No.
    std::function<bool()> StopRequested;
    // Asks whether to stop; true ends the run, false withdraws the request.
    std::function<bool()> ConfirmStop;
    std::function<SheetOutcome(int entryNo)> OutputSheet;
};

enum class RunEnd {
    // Every sheet of the range went out.
    Completed,
    // The operator stopped the run, or the run was abandoned.
    Stopped,
    // A sheet failed; the run ended there.
    Failed,
    // The range holds no measured entrant: nothing was output.
    NothingToOutput,
};

// Whether entry number `entryNo` has a stored record, given the last
// measured one. Only such entries have a sheet.
bool HasStoredRecord(int entryNo, int lastEntry);

// Sheets for `start` to `end` in steps of one, through `run`; nothing when
// start > end. Numbers without a stored record are passed over without a
// stop check.
RunEnd RunOutputRange(int start, int end, int lastEntry, const OutputRunSteps& steps, StepRunner& run);

// What the operator is told when a run ends: "出力終了！" only when every
// sheet reached the printer or file (a preview run ends without a word), a
// note when there was nothing to output, nothing after a stop or a failure
// (the failing step has spoken). Empty for no message.
QString RunEndMessage(RunEnd end, bool intoPreview);
