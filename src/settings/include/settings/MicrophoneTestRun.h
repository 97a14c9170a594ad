#pragma once

#include "audio/MciCommands.h"
#include "audio/MciDevice.h"
#include "audio/RecordingSequence.h"
#include "core/AudioFailure.h"
#include "core/MeasureResult.h"
#include "core/PacedRun.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class ContestSession;
class SoundRecorder;

// The microphone test as a run that never blocks: the template copied to
// "mk1.wav", the device opened and recording, a tick every 100 ms with the
// input level shown every 50 ms, and after the 30th tick the device's last
// samples awaited, the recording stopped, read and scored. A stop asked for
// is taken at the next tick: the device is stopped and nothing is scored.
// Every pause is a timer on the injected clock; it draws nothing and says
// nothing, the microphone window follows its signals.
class MicrophoneTestRun : public QObject {
    Q_OBJECT
public:
    enum class Ending {
        Scored,
        // The recording is not three seconds long; its header was read out.
        WrongSize,
        Cancelled,
        // A failure has been told; nothing was scored.
        Failed,
        // The program is ending: nothing more is to be shown.
        Abandoned,
    };

    // Records from the microphone unless another recorder is given.
    MicrophoneTestRun(ContestSession& context, std::unique_ptr<SoundRecorder> recorder, WaitClock& clock,
                      QObject* parent = nullptr);

    bool Testing() const { return Phase != Stage::Idle; }

public slots:
    void start();
    void stop();

signals:
    void started();
    // "mk1.wav" holds the empty template; the device is about to open.
    void recordingPrepared();
    void inputStarted();
    void ticked(int ticks);
    // The peak of the input's last 50 ms, 0 to 1.
    void inputLevelShown(double level);
    // The ticks are over, or the stop was taken at one.
    void inputEnded(bool cancelled);
    void headerRead(const QStringList& lines);
    // The recording's samples and their scores.
    void analysed(const QByteArray& samples, const MeasureResult& result);
    void failureFound(const AudioFailure& failure);
    void ended(MicrophoneTestRun::Ending ending);

private:
    enum class Stage { Idle, Recording, Finishing, Cancelling };

    std::vector<PacedStep> RecordingSteps();
    std::vector<PacedStep> FinishingSteps();
    // The sequence, then its failures told; the run goes on when it is done.
    std::vector<PacedStep> Told(std::vector<PacedStep> sequence);
    void TellFailures();
    Pace Tick();
    Pace AwaitDeviceFinish();
    Pace Analyse();
    void ShowLevel(unsigned meter);
    void StopLevel();
    void Ended(PacedRun::Outcome outcome);
    void End(Ending ending);

    ContestSession& Context;
    SoundRecorder* Recorder = nullptr;
    MciDevice Device;
    MciCommands Commands;
    WaitClock& Clock;
    PacedRun Run;
    RecordingSequence Sequence;
    AudioStep Report;
    Stage Phase = Stage::Idle;
    bool StopRequested = false;
    int Ticks = 0;
    std::optional<qint64> DeviceWaitStart;
    std::optional<Ending> Analysis;
    // Tells the level timers of a meter stopped from those of the one shown.
    unsigned Meter = 0;
    bool MeterOn = false;
};
