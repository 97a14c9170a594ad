#pragma once

#include "audio/MciCommands.h"
#include "audio/RecordingSequence.h"
#include "audio/MciDevice.h"
#include "audio/MultimediaPlayer.h"
#include "core/MeasureResult.h"

#include <QObject>
#include <future>
#include <memory>

class ContestState;
class SoundRecorder;
class StepRunner;

// Records from the input chosen in the program's options, read again at each
// recording: the server's default input when none is chosen; a chosen input
// that is gone fails the recording, never replaced by another.
std::unique_ptr<SoundRecorder> ChosenMicrophone(const ContestState& context);

// The sound side of a measurement: the recording sequence of one entrant on
// the recording device, and the player of the sound slots.
class MeasurementAudio : public QObject {
    Q_OBJECT
public:
    // Records from the microphone unless another recorder is given; the
    // steps wait through `run`, and end as failed when it is abandoned.
    MeasurementAudio(ContestState& context, StepRunner& run, std::unique_ptr<SoundRecorder> recorder = {});

    // Step 1 prepares the entrant's recording file and settles the input
    // (with none chosen, the server's default at this moment, kept for the
    // run whatever becomes the default meanwhile), 2 starts recording for the
    // measurement time, 3 stops, saves and closes. Not done when the step
    // failed: the run ends there and nothing is scored or stored. The
    // failures are the caller's to tell, a device error's with its code.
    AudioStep RecordingStep(int step);

    // The score of the recording step 3 saved, at the recording quality and
    // noise cut of the options; waits for the scoring to end. Only after a
    // step 3 that was done.
    MeasureResult SavedRecordingScore();

    // Ends a run cut short: the device is closed and the unsaved recording
    // dropped, without waits or reports, for the screen may be closing.
    void AbortRecording();

    // Plays a sound slot when sounds and the slot are on; remembers its length.
    void PlaySoundSlot(int slot);
    void ClosePlayer();

    // Length in milliseconds of the sound last started by PlaySoundSlot.
    qint64 SoundLength() const { return CurrentSoundLength; }
    // Milliseconds still to play of that sound; 0 once the player has stopped
    // or been closed, so a wait for the end always ends.
    qint64 RemainingSoundMs() const;

    MultimediaPlayer Player;

signals:
    // The gauge is to be reset, at the start of steps 1 and 3.
    void gaugeResetDue();

private:
    AudioStep Prepare();
    // An earlier recording under the entrant's name is renamed aside, never
    // overwritten: the log may not know of it. A take abandoned before any
    // sample arrived holds only its header and is simply replaced.
    bool KeepEarlierRecording(const QString& recordingPath) const;
    AudioStep Finish();

    ContestState& Context;
    StepRunner& Run;
    // Records from the sound server, not from a recorder a test gave.
    bool FromMicrophone;
    MciDevice Device;
    MciCommands Commands;
    RecordingSequence Sequence;
    qint64 CurrentSoundLength = 0;
    // The input of the run under way, by the server's name.
    QByteArray RunInput;
    // Scores the saved recording on a thread of its own while the device
    // closes: the pauses around the close leave this thread idle.
    std::future<MeasureResult> SavedScore;
};
