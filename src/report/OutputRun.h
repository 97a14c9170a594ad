#pragma once

#include <functional>

// The output run over a range of entry numbers, one sheet after the other,
// with the steps the score sheet window supplies.
struct OutputRunSteps {
    // Shows the number of the sheet about to be output.
    std::function<void(int entryNo)> ShowNumber;
    // Lets pending window events run: where a press of the stop button is taken.
    std::function<void()> LetEventsRun;
    // Whether a stop was requested since the run began or since the last No.
    std::function<bool()> StopRequested;
    // Asks whether to stop; true ends the run, false withdraws the request.
    std::function<bool()> ConfirmStop;
    // Outputs the sheet of that entrant; false ends the run after it (the
    // operator stopped in the preview).
    std::function<bool(int entryNo)> OutputSheet;
};

enum class RunEnd { Completed, Stopped };

// Sheets for `start` to `end` in steps of one; nothing when start > end.
// Numbers that are not measured entrants (below 1 or above `lastEntry`) have
// no sheet and are passed over without a stop check.
RunEnd RunOutputRange(int start, int end, int lastEntry, const OutputRunSteps& steps);
