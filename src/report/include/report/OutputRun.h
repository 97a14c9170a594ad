#pragma once

#include "core/PacedRun.h"

#include <QObject>
#include <QString>
#include <functional>

// What became of one sheet of a run.
enum class SheetOutcome {
    Output,
    // The sheet is on view in the preview: the run holds until it is left.
    OnView,
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

// The sheets of a range as a run that never blocks: each sheet is two steps
// on the injected clock, so that the window's events run between the number
// shown and the stop check. Numbers without a stored record are passed over
// without a stop check. Closing the window or the program's end abandons it.
class OutputRun : public QObject {
    Q_OBJECT
public:
    explicit OutputRun(WaitClock& clock, QObject* parent = nullptr);

    // Sheets for `start` to `end` in steps of one; nothing when start > end.
    // Ends with ended(), at once when the range has no measured entrant.
    void Start(int start, int end, int lastEntry, OutputRunSteps steps);
    void Abandon() { Run.Abandon(); }
    bool Running() const { return Run.Running(); }

    // The sheet on view has been left: the run goes on, or ends after it
    // when the operator stopped it there.
    void SheetLeft(bool stopped);

signals:
    void ended(RunEnd end);

private:
    Pace Output(int entryNo, bool& onView);

    PacedRun Run;
    OutputRunSteps Steps;
    bool StoppedOnView = false;
};

// What the operator is told when a run ends: "出力終了！" only when every
// sheet reached the printer or file (a preview run ends without a word), a
// note when there was nothing to output, nothing after a stop or a failure
// (the failing step has spoken). Empty for no message.
QString RunEndMessage(RunEnd end, bool intoPreview);
