#pragma once

#include <QString>

class ContestState;
class MciCommands;
class StepRunner;

// The audio commands that record one file on the device "mysound", the same
// for a measurement and for the microphone test. Every command's result is
// checked: a device error has been shown by the command layer, a program
// folder that cannot be entered is shown here as "動作エラー！( n)" (or, on
// closing a left-over device, as the unusable folder). Either way the call
// answers false and the caller goes no further, for a recording that did not
// start, or was not saved whole, must not be scored.
class RecordingSequence {
public:
    // Waits through `run`: a run abandoned during a wait closes the device
    // without a message and answers false.
    RecordingSequence(ContestState& context, MciCommands& commands, StepRunner& run);

    // Closes a device left open by an earlier recording.
    bool CloseLeftover();

    // Opens `fileName`, a bare name in the program folder, and records into
    // it for `milliseconds`; the device records in the background and stops
    // by itself. After a failed record the device is closed again.
    bool Start(const QString& fileName, int milliseconds);

    // Stops, saves and closes; the device is closed even after a failed save.
    bool Finish();

    // Closes the device without a message and without saving: for a run cut
    // short, where no message may come any more.
    void Abandon();

private:
    enum class Result { Done, DeviceFailed, FolderLost };
    Result Run(const QString& command, int step);
    // The device's moment between commands; false, with the device closed,
    // when the run is abandoned.
    bool Pause();

    ContestState& Context;
    MciCommands& Commands;
    StepRunner& Steps;
};
