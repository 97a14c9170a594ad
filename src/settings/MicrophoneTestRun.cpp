#include "settings/MicrophoneTestRun.h"

#include "audio/MeasurementAudio.h"
#include "core/AtomicFile.h"
#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "settings/MicTest.h"
#include "widgets/ContestSession.h"

#include <QFile>
#include <utility>

namespace {

const QString TestFile = QStringLiteral("mk1.wav");
constexpr int TickMs = 100;
constexpr int LevelMs = 50;
// The device is given this long beyond the three seconds to deliver its
// last samples before it is stopped.
constexpr qint64 DeviceFinishMs = 2000;

std::unique_ptr<SoundRecorder> TakeRecorder(const ContestState& context, std::unique_ptr<SoundRecorder> given, SoundRecorder*& kept)
{
    if (!given)
        given = ChosenMicrophone(context);
    kept = given.get();
    return given;
}

} // namespace

MicrophoneTestRun::MicrophoneTestRun(ContestSession& context, std::unique_ptr<SoundRecorder> recorder, WaitClock& clock,
                                     QObject* parent)
    : QObject(parent), Context(context), Device(context.Folder.Path(), TakeRecorder(context, std::move(recorder), Recorder)),
      Commands(context, Device), Clock(clock), Run(clock), Sequence(Commands, clock)
{
    connect(&Run, &PacedRun::ended, this, [this](PacedRun::Outcome outcome) { Ended(outcome); });
    // The program ending drops the test where it stands.
    connect(&context, &ContestSession::endRequested, this, [this] { Run.Abandon(); });
}

void MicrophoneTestRun::start()
{
    if (Testing())
        return;
    Phase = Stage::Recording;
    emit started();
    const RecordingFormat format = RecordingFormatOf(Context.Settings.Mic.Quality);
    const QString testPath = Context.Folder.FilePath(TestFile);
    Commands.SetRecordingFile(testPath);
    if (!CopyFileReplacing(Context.Folder.FilePath(QLatin1String(format.TemplateName)), testPath)) {
        emit failureFound(RecordingFolderUnusable{});
        End(Ending::Failed);
        return;
    }
    emit recordingPrepared();
    Report = {};
    Analysis.reset();
    Run.Start(RecordingSteps());
}

void MicrophoneTestRun::stop()
{
    StopRequested = true;
}

std::vector<PacedStep> MicrophoneTestRun::RecordingSteps()
{
    // A stop asked for before the device records is not taken.
    PacedStep inputStarts = [this] {
        Ticks = 0;
        StopRequested = false;
        Clock.After(LevelMs, this, [this, meter = ++Meter] { ShowLevel(meter); });
        emit inputStarted();
        return Pace::Next(TickMs);
    };
    return Joined({Told(Sequence.CloseLeftover(Report)),
                   Told(Sequence.Start(QStringLiteral("MK1.wav"), TestSeconds * 1000, Report)),
                   {inputStarts, [this] { return Tick(); }}});
}

// The device ends its three seconds a little after the 30th tick, by the
// time its last samples take to arrive; stopped at once it would save a
// recording that is too short.
std::vector<PacedStep> MicrophoneTestRun::FinishingSteps()
{
    PacedStep stopRecording = [this] {
        StopLevel();
        emit inputLevelShown(0);
        Ticks = 0;
        return Pace::Next();
    };
    DeviceWaitStart.reset();
    return Joined({{[this] { return AwaitDeviceFinish(); }, stopRecording},
                   Told(Sequence.Finish(Report)),
                   {[this] { return Analyse(); }}});
}

std::vector<PacedStep> MicrophoneTestRun::Told(std::vector<PacedStep> sequence)
{
    sequence.push_back([this] {
        const bool done = Report.Done;
        TellFailures();
        return done ? Pace::Next() : Pace::Fail();
    });
    return sequence;
}

void MicrophoneTestRun::TellFailures()
{
    for (const AudioFailure& failure : std::exchange(Report.Failures, {}))
        emit failureFound(failure);
}

Pace MicrophoneTestRun::Tick()
{
    if (StopRequested) {
        StopLevel();
        Phase = Stage::Cancelling;
        emit inputEnded(true);
        return Pace::Next();
    }
    ++Ticks;
    emit ticked(Ticks);
    if (Ticks < TestTicks)
        return Pace::Again(TickMs);
    Phase = Stage::Finishing;
    emit inputEnded(false);
    return Pace::Next();
}

Pace MicrophoneTestRun::AwaitDeviceFinish()
{
    if (!DeviceWaitStart)
        DeviceWaitStart = Run.Milliseconds();
    QString mode;
    if (Run.Milliseconds() - *DeviceWaitStart < DeviceFinishMs &&
        Commands.SendMciCommand(QStringLiteral("status mysound mode"), mode) == 0 && mode == QLatin1String("recording"))
        return Pace::Again(WaitOf(10));
    return Pace::Next();
}

// Reads and scores the recording; one of the wrong size is read out but
// not scored.
Pace MicrophoneTestRun::Analyse()
{
    const QString path = Context.Folder.FilePath(QStringLiteral("MK1.WAV"));
    QFile file(path);
    QByteArray header;
    QByteArray data;
    if (file.open(QIODevice::ReadOnly)) {
        header = file.read(RecordingHeaderSize);
        data = file.readAll();
        file.close();
    }
    if (header.size() == RecordingHeaderSize)
        emit headerRead(HeaderReadout(header));
    const MicSettings& mic = Context.Settings.Mic;
    const qsizetype dataBytes = data.size() - (RecordingHeaderSize - header.size());
    Analysis = dataBytes == ExpectedTestBytes(mic.Quality) ? Ending::Scored : Ending::WrongSize;
    if (Analysis == Ending::Scored)
        emit analysed(data, ScoreRecordingFile(path, SampleWidthOf(mic.Quality), mic.NoiseCutLevel));
    return Pace::Next();
}

void MicrophoneTestRun::ShowLevel(unsigned meter)
{
    if (meter != Meter)
        return;
    emit inputLevelShown(PeakOfLast(Recorder->Samples(), Context.Settings.Mic.Quality, LevelMs));
    Clock.After(LevelMs, this, [this, meter] { ShowLevel(meter); });
}

void MicrophoneTestRun::StopLevel()
{
    ++Meter;
}

void MicrophoneTestRun::Ended(PacedRun::Outcome outcome)
{
    switch (outcome) {
    case PacedRun::Outcome::Completed:
        if (Phase == Stage::Finishing && !Analysis) {
            Run.Start(FinishingSteps());
            return;
        }
        if (Phase == Stage::Cancelling && !Analysis) {
            // The test is cancelled whether or not the recording is saved.
            Analysis = Ending::Cancelled;
            Run.Start(Told(Sequence.Finish(Report)));
            return;
        }
        End(*Analysis);
        return;
    case PacedRun::Outcome::Failed:
        TellFailures();
        End(Phase == Stage::Cancelling ? Ending::Cancelled : Ending::Failed);
        return;
    case PacedRun::Outcome::Abandoned:
        Sequence.Abandon();
        End(Ending::Abandoned);
        return;
    }
}

void MicrophoneTestRun::End(Ending ending)
{
    StopLevel();
    Phase = Stage::Idle;
    emit ended(ending);
}
