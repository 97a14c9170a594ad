#include "audio/MeasurementAudio.h"

#include "core/RecordingFile.h"
#include "audio/SoundSlots.h"
#include "core/StepRunner.h"
#include "core/AtomicFile.h"
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
    : Context(context), Run(run), Device(context.Folder.Path(), recorder ? std::move(recorder) : ChosenMicrophone(context)),
      Commands(context, Device), Sequence(context, Commands, run)
{
}

bool MeasurementAudio::RecordingStep(int step)
{
    switch (step) {
    case 1:
        return Prepare();
    case 2:
        return Sequence.Start(RecordingFileName(Context.Contest.EntryNo), Context.Settings.Basic.MeasureSeconds * 1000);
    case 3:
        return Finish();
    default:
        return true;
    }
}

bool MeasurementAudio::Prepare()
{
    const RecordingFormat format = RecordingFormatOf(Context.Settings.Mic.Quality);
    const QString recordingPath = Context.Folder.FilePath(RecordingFileName(Context.Contest.EntryNo));
    Commands.SetRecordingFile(recordingPath);
    const QString templatePath = Context.Folder.FilePath(QLatin1String(format.TemplateName));
    if (!IsTemplateOf(templatePath, format)) {
        Context.Messages.Inform(QStringLiteral("録音用のひな形ファイルが正しくありません。(%1)\n"
                                               "測定音質に合ったファイルを置き直してください！")
                                    .arg(QLatin1String(format.TemplateName)),
                                MessageIcon::Error);
        return false;
    }
    if (!KeepEarlierRecording(recordingPath)) {
        Context.Messages.Inform(QStringLiteral("前の録音ファイルを退避できません。(%1)\nフォルダおよびファイルを確認してください！")
                                    .arg(RecordingFileName(Context.Contest.EntryNo)),
                                MessageIcon::Error);
        return false;
    }
    if (!CopyFileReplacing(templatePath, recordingPath)) {
        Context.Messages.Inform(QStringLiteral("グラフデータ保存フォルダが正しくありません！"), MessageIcon::Error);
        return false;
    }
    emit gaugeResetDue();
    if (!Sequence.CloseLeftover())
        return false;
    return Run.Wait(100);
}

bool MeasurementAudio::Finish()
{
    emit gaugeResetDue();
    return Sequence.Finish();
}

void MeasurementAudio::AbortRecording()
{
    Sequence.Abandon();
}

void MeasurementAudio::PlaySoundSlot(int slot)
{
    CurrentSoundLength = PlaySlotOn(Player, Context.Settings, slot);
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
