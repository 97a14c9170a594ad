#pragma once

#include "audio/MciCommands.h"
#include "audio/RecordingSequence.h"
#include "audio/MciDevice.h"
#include "audio/MultimediaPlayer.h"
#include "core/LevelCalibration.h"
#include "core/MeasureResult.h"
#include "core/PacedRun.h"

#include <QObject>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class ContestState;
class SoundRecorder;
class WaitClock;

// Records from the input chosen in the program's options, read again at each
// recording: the server's default input when none is chosen; a chosen input
// that is gone fails the recording, never replaced by another.
std::unique_ptr<SoundRecorder> ChosenMicrophone(const ContestState& context);

// What a click on the band fixes for the take it starts: the next entry
// number, the recording quality, noise cut and measurement time in force, and
// the moment; the score comes with the recording.
MeasuredEntrant NextTake(const ContestState& context);

// A saved recording's score, and its sound levels when the calibration held
// for the input, its volume at the click and the take's quality.
struct ScoredRecording {
    MeasureResult Score;
    std::optional<EntrantLevel> Level;
};

// The sound side of a measurement: the recording sequence of one entrant on
// the recording device, and the player of the sound slots.
class MeasurementAudio : public QObject {
    Q_OBJECT
public:
    // Records from the microphone unless another recorder is given; the
    // steps are timed on `clock`, the run's.
    MeasurementAudio(ContestState& context, WaitClock& clock, std::unique_ptr<SoundRecorder> recorder = {});

    // The three recording steps of `take`, as steps of a paced run. Prepare
    // makes the entrant's recording file and settles the input (with none
    // chosen, the server's default at this moment, kept for the run whatever
    // becomes the default meanwhile), Start records for the measurement
    // time, Finish stops, saves and closes. A step that fails ends the run:
    // nothing is scored or stored.
    std::vector<PacedStep> Prepare(const MeasuredEntrant& take);
    std::vector<PacedStep> Start();
    std::vector<PacedStep> Finish();

    // What the steps of the recording step under way or last taken did:
    // Done as they ended, and their failures.
    const AudioStep& Report() const { return StepReport; }
    // Every failure since Prepare, for the caller to tell, a device error's
    // with its code.
    std::vector<AudioFailure> Failures() const;

    // The score of the recording Finish saved, at the take's quality and
    // noise cut, with its levels; only after scoreReady.
    ScoredRecording SavedRecordingScore();

    // How the sound server is asked for an input's volume (a test answers
    // instead); asked at the click only while there is a calibration.
    using VolumeQuery = std::function<std::optional<int>(const QByteArray& input)>;
    void SetVolumeQuery(VolumeQuery query) { InputVolume = std::move(query); }

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
    // The recording Finish saved last has been scored.
    void scoreReady();

private:
    Pace PrepareFile();
    // A recording step begins: the failures of the one before are kept.
    PacedStep NextRecordingStep();
    // An earlier recording under the entrant's name is renamed aside, never
    // overwritten: the log may not know of it. A take abandoned before any
    // sample arrived holds only its header and is simply replaced.
    bool KeepEarlierRecording(const QString& recordingPath) const;

    ContestState& Context;
    MeasuredEntrant Take;
    AudioStep StepReport;
    std::vector<AudioFailure> EarlierFailures;
    // Records from the sound server, not from a recorder a test gave.
    bool FromMicrophone;
    MciDevice Device;
    MciCommands Commands;
    RecordingSequence Sequence;
    qint64 CurrentSoundLength = 0;
    // The input of the run under way, by the server's name.
    QByteArray RunInput;
    // The calibration in force at the click, for the input chosen then, and
    // the server's answer of its volume then.
    LevelCalibration Calibration;
    QString TakeInput;
    VolumeQuery InputVolume;
    std::shared_future<std::optional<int>> VolumeAtClick;
    // Scores the saved recording on a thread of its own while the device
    // closes: the pauses around the close leave this thread idle.
    std::future<ScoredRecording> SavedScore;
    // Tells the scoring of the last saved recording from earlier ones.
    unsigned Scorings = 0;
};
