#include "measure/MeasurementAudio.h"

#include "measure/RecordingFile.h"
#include "measure/SoundSlots.h"
#include "measure/Waits.h"
#include "platform/AtomicFile.h"
#include "platform/AudioInputRecorder.h"
#include "platform/MciErrorText.h"
#include "store/ContestState.h"
#include "store/ProgramOptions.h"

#include <QCoreApplication>
#include <QDateTime>
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

QString KeptRecordingName(const QString& recordingPath, const QDateTime& now, int attempt)
{
    const QFileInfo recording(recordingPath);
    QString name = recording.completeBaseName() + QLatin1Char('_') + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    if (attempt > 0)
        name += QLatin1Char('-') + QString::number(attempt);
    return recording.dir().filePath(name + QLatin1Char('.') + recording.suffix());
}

bool MeasurementAudio::KeepEarlierRecording(const QString& recordingPath) const
{
    if (!QFileInfo(recordingPath).isFile())
        return true;
    const QDateTime now = Context.Now();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString kept = KeptRecordingName(recordingPath, now, attempt);
        if (!QFileInfo::exists(kept))
            return QFile::rename(recordingPath, kept);
    }
    return false;
}

MeasurementAudio::MeasurementAudio(ContestState& context, std::unique_ptr<SoundRecorder> recorder)
    : Context(context), Device(recorder ? std::move(recorder) : ChosenMicrophone(context)), Commands(context, Device)
{
}

bool MeasurementAudio::RecordingStep(int step)
{
    switch (step) {
    case 1:
        return Prepare();
    case 2:
        return StartRecording();
    case 3:
        return Finish();
    default:
        return true;
    }
}

bool MeasurementAudio::Prepare()
{
    const RecordingFormat format = RecordingFormatOf(Context.Settings.Mic.Quality);
    Context.Measure.WavPath = Context.Folder.FilePath(RecordingFileName(Context.Contest.EntryNo));
    const QString templatePath = Context.Folder.FilePath(QLatin1String(format.TemplateName));
    if (!IsTemplateOf(templatePath, format)) {
        Context.Messages.Inform(QStringLiteral("録音用のひな形ファイルが正しくありません。(%1)\n"
                                               "測定音質に合ったファイルを置き直してください！")
                                    .arg(QLatin1String(format.TemplateName)),
                                MessageIcon::Error);
        return false;
    }
    if (!KeepEarlierRecording(Context.Measure.WavPath)) {
        Context.Messages.Inform(QStringLiteral("前の録音ファイルを退避できません。(%1)\nフォルダおよびファイルを確認してください！")
                                    .arg(RecordingFileName(Context.Contest.EntryNo)),
                                MessageIcon::Error);
        return false;
    }
    if (!CopyFileReplacing(templatePath, Context.Measure.WavPath)) {
        Context.Messages.Inform(QStringLiteral("グラフデータ保存フォルダが正しくありません！"), MessageIcon::Error);
        return false;
    }
    if (ResetGauge)
        ResetGauge();
    // A device left open by an earlier run is closed first.
    if (!Commands.RunMciCommand(QStringLiteral("close mysound"))) {
        Context.Messages.Inform(QStringLiteral("グラフデータ保存フォルダが正しくありません！"), MessageIcon::Error);
        return false;
    }
    WaitMilliseconds(100);
    QCoreApplication::processEvents();
    return true;
}

MeasurementAudio::StepResult MeasurementAudio::Run(const QString& command, int step)
{
    if (!Commands.RunMciCommand(command)) {
        ShowStepError(step);
        return StepResult::FolderLost;
    }
    return Commands.LastStatus() == MciSuccess ? StepResult::Done : StepResult::DeviceFailed;
}

bool MeasurementAudio::StartRecording()
{
    if (!QDir::setCurrent(Context.Folder.Path())) {
        ShowStepError(2);
        return false;
    }
    const QString fileName = RecordingFileName(Context.Contest.EntryNo);
    const QString milliseconds = QString::number(Context.Settings.Basic.MeasureSeconds * 1000);
    // A device error has been shown with its code; the run ends there, for a
    // recording that never started must not be scored.
    const StepResult opened = Run(QStringLiteral("open ") + fileName + QStringLiteral(" alias mysound type waveaudio"), 2);
    if (opened != StepResult::Done)
        return false;
    WaitMilliseconds(1);
    const StepResult recording = Run(QStringLiteral("record mysound from 0 to ") + milliseconds + QStringLiteral(" overwrite"), 2);
    if (recording != StepResult::Done) {
        AbortRecording();
        return false;
    }
    WaitMilliseconds(1);
    return true;
}

bool MeasurementAudio::Finish()
{
    if (ResetGauge)
        ResetGauge();
    // The device is closed even after a failed save; a recording that could
    // not be saved whole is not scored.
    bool whole = true;
    for (const char* command : {"stop mysound", "save mysound", "close mysound"}) {
        const StepResult result = Run(QLatin1String(command), 3);
        if (result == StepResult::FolderLost)
            return false;
        whole = whole && result == StepResult::Done;
    }
    return whole;
}

void MeasurementAudio::AbortRecording()
{
    Device.Execute(QStringLiteral("close mysound"));
}

void MeasurementAudio::ShowStepError(int step)
{
    Context.Messages.Inform(QStringLiteral("動作エラー！( ") + QString::number(step) + QLatin1Char(')'), MessageIcon::Error);
}

void MeasurementAudio::PlaySoundSlot(int slot)
{
    CurrentSoundLength = PlaySlotOn(MM2, Context.Settings, slot);
}

void MeasurementAudio::ClosePlayer()
{
    if (Context.Settings.Basic.SoundOn && MM2.Mode() != MultimediaPlayer::ModeNotOpen)
        MM2.Command(QStringLiteral("Close"));
}

qint64 MeasurementAudio::RemainingSoundMs() const
{
    if (MM2.Mode() != MultimediaPlayer::ModePlaying)
        return 0;
    return std::max<qint64>(CurrentSoundLength - MM2.Position(), 0);
}
