#include "audio/AudioInputRecorder.h"

#include "audio/MonoMix.h"


AudioInputRecorder::AudioInputRecorder(std::function<QByteArray()> chosenInput) : ChosenInput(std::move(chosenInput))
{
    Intake.setTimerType(Qt::PreciseTimer);
    Intake.setInterval(10);
    QObject::connect(&Intake, &QTimer::timeout, [this] { TakeAvailable(); });
}

AudioInputRecorder::~AudioInputRecorder()
{
    EndCapture();
}

bool AudioInputRecorder::Start(const PcmFormat& format, int64_t sampleCount)
{
    EndCapture();
    Captured.clear();
    Pending.clear();
    FirstSampleMs = -1;
    Lost = false;
    NoServer = false;
    SinceStart.start();
    if (format.BitsPerSample != 8 && format.BitsPerSample != 16)
        return false;
    const CaptureStream::Found found = Stream.Find(ChosenInput ? ChosenInput() : QByteArray());
    NoServer = found == CaptureStream::Found::NoServer;
    if (found != CaptureStream::Found::Source)
        return false;
    Format = format;
    Channels = Stream.Channels();
    TargetBytes = sampleCount * format.BytesPerSample();
    if (TargetBytes <= 0) {
        Stream.Close();
        return true;
    }
    // Watched from before the stream exists, so that no move is missed.
    if (!Watch.Begin(Stream.SourceName()) || !Stream.Start(format.SampleRate)) {
        EndCapture();
        return false;
    }
    Captured.reserve(TargetBytes);
    Capturing = true;
    Intake.start();
    return true;
}

void AudioInputRecorder::TakeAvailable()
{
    if (!Capturing)
        return;
    if (Watch.Lost()) {
        Lost = true;
        EndCapture();
        return;
    }
    const qint64 frameBytes = 2 * Channels;
    const qint64 missingFrames = (TargetBytes - Captured.size()) / Format.BytesPerSample();
    const QByteArray data = Stream.Read().left(missingFrames * frameBytes - Pending.size());
    if (!data.isEmpty() && FirstSampleMs < 0)
        FirstSampleMs = SinceStart.elapsed();
    Pending.append(data);
    const qint64 whole = Pending.size() / frameBytes * frameBytes;
    Captured.append(MixToMono(Pending.left(whole), Channels, Format.BitsPerSample));
    Pending.remove(0, whole);
    // A stream the server ended keeps what it delivered; the device tells
    // a recording cut short by its length.
    if (Captured.size() >= TargetBytes || Stream.Failed())
        EndCapture();
}

void AudioInputRecorder::Stop()
{
    TakeAvailable();
    EndCapture();
}

void AudioInputRecorder::EndCapture()
{
    Capturing = false;
    Intake.stop();
    Watch.End();
    Stream.Close();
}

bool AudioInputRecorder::IsRecording() const
{
    return Capturing;
}

QByteArray AudioInputRecorder::Samples() const
{
    return Captured;
}
