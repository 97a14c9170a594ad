#pragma once

#include "core/AudioFailure.h"
#include "core/MciErrorText.h"
#include "core/PacedRun.h"

#include <QString>
#include <functional>
#include <vector>

class MciCommands;
class WaitClock;

// The audio commands that record one file on the device "mysound", the same
// for a measurement and for the microphone test, as paced steps: a pause of
// 1 ms before and after every command, and the sequence's own pauses. Every
// command's result is checked: a device error is reported with its code and
// command, a program folder that cannot be entered as FolderLost with the
// step (or, on closing a left-over device, as RecordingFolderUnusable).
// Either way the step fails and the run goes no further, for a recording
// that did not start, or was not saved whole, must not be scored.
//
// The steps add their failures to the `report` they are given, which must
// outlive them, and set its Done as the sequence ends.
class RecordingSequence {
public:
    // Times the wait for the first samples on `clock`, the run's.
    RecordingSequence(MciCommands& commands, WaitClock& clock);

    // Closes a device left open by an earlier recording; a device error
    // there is reported but does not stop the recording.
    std::vector<PacedStep> CloseLeftover(AudioStep& report);

    // Opens `fileName`, a bare name in the program folder, and records into
    // it for `milliseconds`; the device records in the background and stops
    // by itself. Done once the input's first samples are in, so that the
    // caller times the recording from there: an input may take a while to
    // start (a headset setting up its link, an idle sound card waking).
    // After a failed record, or no sample within FirstSampleWaitMs, the
    // device is closed again.
    std::vector<PacedStep> Start(const QString& fileName, int milliseconds, AudioStep& report);

    static constexpr int FirstSampleWaitMs = 3000;

    // Stops, saves and closes; the device is closed even after a failed save.
    // `saved` runs as soon as the recording is saved, before the close.
    std::vector<PacedStep> Finish(AudioStep& report, std::function<void()> saved = {});

    // Closes the device without a report and without saving: for a run cut
    // short, where no message may come any more.
    void Abandon();

private:
    enum class Result { Done, DeviceFailed, FolderLost };
    Result Run(const QString& command, int step, AudioStep& report);
    // The pause before a command, and the command with the pause after it;
    // `goesOn` decides whether the sequence goes on.
    std::vector<PacedStep> Command(const QString& command, int step, AudioStep& report,
                                   std::function<bool(Result)> goesOn);
    PacedStep AwaitFirstSample(const QString& record, AudioStep& report);
    bool SamplesArrived();

    MciCommands& Commands;
    WaitClock& Clock;
    int32_t LastStatus = MciSuccess;
};
