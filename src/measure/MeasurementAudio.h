#pragma once

#include "measure/MciCommands.h"
#include "platform/MciDevice.h"
#include "platform/MultimediaPlayer.h"

#include <QDateTime>
#include <functional>
#include <memory>

class ContestState;
class SoundRecorder;

// The name under which an earlier recording is kept aside:
// "xx0007_20261207-142005.wav", with "-1", "-2" ... when that is taken. No
// later run names a recording so.
QString KeptRecordingName(const QString& recordingPath, const QDateTime& now, int attempt);

// Records from the input chosen in the program's options, read again at each
// recording (the default input when none is chosen or the chosen one is gone).
std::unique_ptr<SoundRecorder> ChosenMicrophone(const ContestState& context);

// The sound side of a measurement: the recording sequence of one entrant on
// the recording device, and the player of the sound slots.
class MeasurementAudio {
public:
    // Records from the microphone unless another recorder is given.
    explicit MeasurementAudio(ContestState& context, std::unique_ptr<SoundRecorder> recorder = {});

    // Step 1 prepares the entrant's recording file, 2 starts recording for the
    // measurement time, 3 stops, saves and closes. False when the step failed
    // (the message has been shown, a device error's with its code): the
    // measurement screen closes and nothing is scored or stored.
    bool RecordingStep(int step);

    // Ends a run cut short: the device is closed and the unsaved recording
    // dropped, without waits or messages, for the screen may be closing.
    void AbortRecording();

    // Plays a sound slot when sounds and the slot are on; remembers its length.
    void PlaySoundSlot(int slot);
    void ClosePlayer();

    // Length in milliseconds of the sound last started by PlaySoundSlot.
    qint64 SoundLength() const { return CurrentSoundLength; }
    // Milliseconds still to play of that sound; 0 once the player has stopped
    // or been closed, so a wait for the end always ends.
    qint64 RemainingSoundMs() const;

    // Resets the gauge (value -1) at the start of steps 1 and 3.
    std::function<void()> ResetGauge;

    MultimediaPlayer MM2;

private:
    bool Prepare();
    // An earlier recording under the entrant's name is renamed aside, never
    // overwritten: the log may not know of it.
    bool KeepEarlierRecording(const QString& recordingPath) const;
    enum class StepResult { Done, DeviceFailed, FolderLost };
    StepResult Run(const QString& command, int step);
    bool StartRecording();
    bool Finish();
    void ShowStepError(int step);

    ContestState& Context;
    MciDevice Device;
    MciCommands Commands;
    qint64 CurrentSoundLength = 0;
};
