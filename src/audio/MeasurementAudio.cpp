#include "audio/MeasurementAudio.h"

#include "core/SoundLevels.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "audio/SoundSlots.h"
#include "core/AtomicFile.h"
#include "audio/AudioDevices.h"
#include "audio/AudioInputRecorder.h"
#include "core/KeptAside.h"
#include "core/ContestOperations.h"
#include "core/ContestState.h"
#include "core/ProgramOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// The template of the quality in use, and nothing else, becomes the
// recording: anything else would be recorded into and scored as samples.
bool IsTemplateOf(const QString& path, const RecordingFormat& format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // a missing template is reported by the copy
    return HasRecordingHeader(file.read(RecordingHeaderSize + 1024 * 1024), format.SampleRate, format.BitsPerSample);
}

// The input chosen in the options, or else the server's default now; empty
// when no server answers, which the recording then finds out for itself.
QByteArray InputOfRun(const ContestState& context)
{
    const QByteArray chosen = LoadProgramOptions(context).AudioInput.toUtf8();
    return chosen.isEmpty() ? QuerySoundServerDefaults().SourceName : chosen;
}

} // namespace

std::unique_ptr<SoundRecorder> ChosenMicrophone(const ContestState& context)
{
    return std::make_unique<AudioInputRecorder>([&context] { return LoadProgramOptions(context).AudioInput.toUtf8(); });
}

namespace {

std::optional<EntrantLevel> LevelOfRecording(const QString& path, const MeasuredEntrant& take, const LevelCalibration& calibration,
                                             const QString& input, const std::shared_future<std::optional<int>>& volume)
{
    if (!calibration.OffsetDb || !volume.valid())
        return std::nullopt;
    const std::optional<int> percent = volume.get();
    if (!percent || CalibrationMismatch(calibration, {input, *percent, take.Quality}))
        return std::nullopt;
    const std::optional<SoundAnalysis> analysis = MeasureRecordingLevels(path, take.Quality);
    if (!analysis)
        return std::nullopt;
    return LevelUnder(analysis->Levels, *calibration.OffsetDb, calibration.DistanceCm);
}

}

MeasuredEntrant NextTake(const ContestState& context)
{
    return MeasuredNow(context, context.Contest.EntryNo, {});
}

bool MeasurementAudio::KeepEarlierRecording(const QString& recordingPath) const
{
    if (QFileInfo(recordingPath).size() <= RecordingHeaderSize)
        return true;
    return MoveAside(recordingPath, Context.Now());
}

MeasurementAudio::MeasurementAudio(ContestState& context, WaitClock& clock, std::unique_ptr<SoundRecorder> recorder)
    : Context(context), FromMicrophone(!recorder),
      Device(context.Folder.Path(), recorder ? std::move(recorder) : std::make_unique<AudioInputRecorder>([this] { return RunInput; })),
      Commands(context, Device), Sequence(Commands, clock),
      InputVolume([](const QByteArray& input) { return QueryInputVolume(input); })
{
}

std::vector<PacedStep> MeasurementAudio::Prepare(const MeasuredEntrant& take)
{
    Take = take;
    return Joined({{[this] { return PrepareFile(); }}, Sequence.CloseLeftover(StepReport), {Pause(100)}});
}

Pace MeasurementAudio::PrepareFile()
{
    EarlierFailures.clear();
    StepReport = {};
    if (FromMicrophone)
        RunInput = InputOfRun(Context);
    const ProgramOptions options = LoadProgramOptions(Context);
    Calibration = options.Level;
    TakeInput = options.AudioInput;
    // The volume at the click, asked on a thread of its own: the recording
    // takes longer than the answer.
    VolumeAtClick = Calibration.OffsetDb ? std::async(std::launch::async, InputVolume, TakeInput.toUtf8()).share()
                                         : std::shared_future<std::optional<int>>();
    const RecordingFormat format = RecordingFormatOf(Take.Quality);
    const QString recordingPath = Context.Folder.FilePath(RecordingFileName(Take.EntryNo));
    Commands.SetRecordingFile(recordingPath);
    const QString templatePath = Context.Folder.FilePath(QLatin1String(format.TemplateName));
    if (!IsTemplateOf(templatePath, format))
        StepReport.Failures.push_back(TemplateUnsuitable{QLatin1String(format.TemplateName)});
    else if (!KeepEarlierRecording(recordingPath))
        StepReport.Failures.push_back(EarlierRecordingNotKept{RecordingFileName(Take.EntryNo)});
    else if (!CopyFileReplacing(templatePath, recordingPath))
        StepReport.Failures.push_back(RecordingFolderUnusable{});
    if (!StepReport.Failures.empty()) {
        StepReport.Done = false;
        return Pace::Fail();
    }
    emit gaugeResetDue();
    return Pace::Next();
}

PacedStep MeasurementAudio::NextRecordingStep()
{
    return [this] {
        EarlierFailures.insert(EarlierFailures.end(), StepReport.Failures.begin(), StepReport.Failures.end());
        StepReport = {};
        return Pace::Next();
    };
}

std::vector<AudioFailure> MeasurementAudio::Failures() const
{
    std::vector<AudioFailure> failures = EarlierFailures;
    failures.insert(failures.end(), StepReport.Failures.begin(), StepReport.Failures.end());
    return failures;
}

std::vector<PacedStep> MeasurementAudio::Start()
{
    return Joined({{NextRecordingStep()}, Sequence.Start(RecordingFileName(Take.EntryNo), Take.MeasureSeconds * 1000, StepReport)});
}

std::vector<PacedStep> MeasurementAudio::Finish()
{
    const QString recordingPath = Context.Folder.FilePath(RecordingFileName(Take.EntryNo));
    const SampleWidth width = SampleWidthOf(Take.Quality);
    const int noiseCutLevel = Take.NoiseCutLevel;
    PacedStep resetGauge = [this] {
        emit gaugeResetDue();
        return Pace::Next();
    };
    return Joined({{NextRecordingStep(), resetGauge}, Sequence.Finish(StepReport, [this, recordingPath, width, noiseCutLevel] {
                       const unsigned scoring = ++Scorings;
                       SavedScore = std::async(std::launch::async, [this, recordingPath, width, noiseCutLevel, scoring,
                                                                    take = Take, calibration = Calibration, input = TakeInput,
                                                                    volume = VolumeAtClick] {
                           // The levels on a thread beside the scoring's, so that on two
                           // cores the result waits for the longer of them only.
                           std::future<std::optional<EntrantLevel>> level;
                           if (calibration.OffsetDb)
                               level = std::async(std::launch::async, LevelOfRecording, recordingPath, take, calibration, input, volume);
                           ScoredRecording score{ScoreRecordingFile(recordingPath, width, noiseCutLevel), {}};
                           if (level.valid())
                               score.Level = level.get();
                           QMetaObject::invokeMethod(
                               this,
                               [this, scoring] {
                                   if (scoring == Scorings)
                                       emit scoreReady();
                               },
                               Qt::QueuedConnection);
                           return score;
                       });
                   })});
}

// The score is announced as its thread ends: the wait here is at most the
// thread's return.
ScoredRecording MeasurementAudio::SavedRecordingScore()
{
    return SavedScore.get();
}

void MeasurementAudio::AbortRecording()
{
    Sequence.Abandon();
}

void MeasurementAudio::PlaySoundSlot(int slot)
{
    CurrentSoundLength = PlaySlotOn(Player, Context.Settings, Context.Folder, slot);
}

void MeasurementAudio::ClosePlayer()
{
    if (Context.Settings.Basic.SoundOn && Player.Mode() != MultimediaPlayer::ModeNotOpen)
        Player.Command(QStringLiteral("Close"));
}

qint64 MeasurementAudio::RemainingSoundMs() const
{
    if (Player.Mode() != MultimediaPlayer::ModePlaying)
        return 0;
    return std::max<qint64>(CurrentSoundLength - Player.Position(), 0);
}
