#pragma once

#include "core/AudioFailure.h"

#include <QString>
#include <functional>

class MciCommands;
class StepRunner;

// The audio commands that record one file on the device "mysound", the same
// for a measurement and for the microphone test. Every command's result is
// checked: a device error is reported with its code and command, a program
// folder that cannot be entered as FolderLost with the step (or, on closing
// a left-over device, as RecordingFolderUnusable). Either way the step is
// not done and the caller goes no further, for a recording that did not
// start, or was not saved whole, must not be scored.
class RecordingSequence {
public:
    // Waits through `run`: a run abandoned during a wait closes the device
    // without a message and answers false.
    RecordingSequence(MciCommands& commands, StepRunner& run);

    // Closes a device left open by an earlier recording; a device error
    // there is reported but does not stop the recording.
    AudioStep CloseLeftover();

    // Opens `fileName`, a bare name in the program folder, and records into
    // it for `milliseconds`; the device records in the background and stops
    // by itself. Returns once the input's first samples are in, so that the
    // caller times the recording from there: an input may take a while to
    // start (a headset setting up its link, an idle sound card waking).
    // After a failed record, or no sample within FirstSampleWaitMs, the
    // device is closed again.
    AudioStep Start(const QString& fileName, int milliseconds);

    static constexpr int FirstSampleWaitMs = 3000;

    // Stops, saves and closes; the device is closed even after a failed save.
    // `saved` runs as soon as the recording is saved, before the close.
    AudioStep Finish(const std::function<void()>& saved = {});

    // Closes the device without a report and without saving: for a run cut
    // short, where no message may come any more.
    void Abandon();

private:
    enum class Result { Done, DeviceFailed, FolderLost };
    Result Run(const QString& command, int step, AudioStep& report);
    // The device's moment between commands; false, with the device closed,
    // when the run is abandoned.
    bool Pause();
    // False, with the device closed, when no sample arrives in time (a
    // hardware error of the record command) or the run is abandoned.
    bool AwaitFirstSample(const QString& record, AudioStep& report);
    bool SamplesArrived();

    MciCommands& Commands;
    StepRunner& Steps;
};
