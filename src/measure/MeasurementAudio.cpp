#include "measure/MeasurementAudio.h"

#include "store/ContestState.h"
#include "measure/RecordingFile.h"
#include "measure/SoundSlots.h"
#include "measure/Waits.h"
#include "platform/AtomicFile.h"
#include "platform/AudioInputRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace {

std::unique_ptr<SoundRecorder> MicrophoneUnlessGiven(std::unique_ptr<SoundRecorder> recorder)
{
    if (recorder)
        return recorder;
    return std::make_unique<AudioInputRecorder>();
}

} // namespace

MeasurementAudio::MeasurementAudio(ContestState& context, std::unique_ptr<SoundRecorder> recorder)
    : Context(context), Device(MicrophoneUnlessGiven(std::move(recorder))), Commands(context, Device)
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

bool MeasurementAudio::StartRecording()
{
    const QString fileName = RecordingFileName(Context.Contest.EntryNo);
    const QString milliseconds = QString::number(Context.Settings.Basic.MeasureSeconds * 1000);
    if (!QDir::setCurrent(Context.Folder.Path())
        || !Commands.RunMciCommand(QStringLiteral("open ") + fileName + QStringLiteral(" alias mysound type waveaudio"))) {
        ShowStepError(2);
        return false;
    }
    WaitMilliseconds(1);
    if (!Commands.RunMciCommand(QStringLiteral("record mysound from 0 to ") + milliseconds + QStringLiteral(" overwrite"))) {
        ShowStepError(2);
        return false;
    }
    WaitMilliseconds(1);
    return true;
}

bool MeasurementAudio::Finish()
{
    if (ResetGauge)
        ResetGauge();
    for (const char* command : {"stop mysound", "save mysound", "close mysound"}) {
        if (!Commands.RunMciCommand(QLatin1String(command))) {
            ShowStepError(3);
            return false;
        }
    }
    return true;
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
