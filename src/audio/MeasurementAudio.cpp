#include "audio/MeasurementAudio.h"

#include "core/LoudnessAnalysis.h"
#include "core/RecordingFile.h"
#include "audio/SoundSlots.h"
#include "core/StepRunner.h"
#include "core/AtomicFile.h"
#include "audio/AudioDevices.h"
#include "audio/AudioInputRecorder.h"
#include "core/KeptAside.h"
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

bool MeasurementAudio::KeepEarlierRecording(const QString& recordingPath) const
{
    if (QFileInfo(recordingPath).size() <= RecordingHeaderSize)
        return true;
    return MoveAside(recordingPath, Context.Now());
}

MeasurementAudio::MeasurementAudio(ContestState& context, StepRunner& run, std::unique_ptr<SoundRecorder> recorder)
    : Context(context), Run(run), FromMicrophone(!recorder),
      Device(context.Folder.Path(), recorder ? std::move(recorder) : std::make_unique<AudioInputRecorder>([this] { return RunInput; })),
      Commands(context, Device), Sequence(Commands, run)
{
}

AudioStep MeasurementAudio::RecordingStep(int step)
{
    switch (step) {
    case 1:
        return Prepare();
    case 2:
        return Sequence.Start(RecordingFileName(Context.Contest.EntryNo), Context.Settings.Basic.MeasureSeconds * 1000);
    case 3:
        return Finish();
    default:
        return {};
    }
}

AudioStep MeasurementAudio::Prepare()
{
    if (FromMicrophone)
        RunInput = InputOfRun(Context);
    const RecordingFormat format = RecordingFormatOf(Context.Settings.Mic.Quality);
    const QString recordingPath = Context.Folder.FilePath(RecordingFileName(Context.Contest.EntryNo));
    Commands.SetRecordingFile(recordingPath);
    const QString templatePath = Context.Folder.FilePath(QLatin1String(format.TemplateName));
    if (!IsTemplateOf(templatePath, format))
        return {false, {TemplateUnsuitable{QLatin1String(format.TemplateName)}}};
    if (!KeepEarlierRecording(recordingPath))
        return {false, {EarlierRecordingNotKept{RecordingFileName(Context.Contest.EntryNo)}}};
    if (!CopyFileReplacing(templatePath, recordingPath))
        return {false, {RecordingFolderUnusable{}}};
    emit gaugeResetDue();
    AudioStep closed = Sequence.CloseLeftover();
    if (!closed.Done)
        return closed;
    closed.Done = Run.Wait(100);
    return closed;
}

AudioStep MeasurementAudio::Finish()
{
    emit gaugeResetDue();
    const QString recordingPath = Context.Folder.FilePath(RecordingFileName(Context.Contest.EntryNo));
    const SampleWidth width = SampleWidthOf(Context.Settings.Mic.Quality);
    const int noiseCutLevel = Context.Settings.Mic.NoiseCutLevel;
    return Sequence.Finish([this, recordingPath, width, noiseCutLevel] {
        SavedScore = std::async(std::launch::async, ScoreRecordingFile, recordingPath, width, noiseCutLevel);
    });
}

MeasureResult MeasurementAudio::SavedRecordingScore()
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
