#include "audio/AudioInputRecorder.h"

#include "audio/AudioDevices.h"
#include "audio/MonoMix.h"

#include <QAudioSource>
#include <QIODevice>
#include <algorithm>

namespace {

// The input's own channels at the recording's rate, in 16 bits whatever the
// recording's width: the server resamples but does not mix.
QAudioFormat CaptureFormat(const QAudioDevice& device, int sampleRate)
{
    QAudioFormat audioFormat;
    audioFormat.setSampleRate(sampleRate);
    audioFormat.setChannelCount(std::clamp(device.preferredFormat().channelCount(), 1, std::max(device.maximumChannelCount(), 1)));
    audioFormat.setSampleFormat(QAudioFormat::Int16);
    return audioFormat;
}

} // namespace

AudioInputRecorder::AudioInputRecorder(std::function<QByteArray()> chosenInput) : ChosenInput(std::move(chosenInput)) {}

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
    SinceStart.start();
    const QAudioDevice device = ChosenAudioInput(ChosenInput ? ChosenInput() : QByteArray());
    const QAudioFormat audioFormat = CaptureFormat(device, format.SampleRate);
    if (device.isNull() || (format.BitsPerSample != 8 && format.BitsPerSample != 16) || !device.isFormatSupported(audioFormat))
        return false;
    Format = format;
    Channels = audioFormat.channelCount();
    TargetBytes = sampleCount * format.BytesPerSample();
    if (TargetBytes <= 0)
        return true;
    // Watched from before the stream exists, so that no move is missed.
    if (!Watch.Begin(device.id()))
        return false;
    Captured.reserve(TargetBytes);
    Source = std::make_unique<QAudioSource>(device, audioFormat);
    Input = Source->start();
    // A source that cannot start reports it at once and sends no state change.
    if (!Input || Source->error() != QAudio::NoError) {
        EndCapture();
        return false;
    }
    QObject::connect(Input, &QIODevice::readyRead, Source.get(), [this] { TakeAvailable(); });
    QObject::connect(Source.get(), &QAudioSource::stateChanged, Source.get(), [this](QAudio::State state) {
        if (state == QAudio::StoppedState && Source && Source->error() != QAudio::NoError)
            Input = nullptr;
    });
    return true;
}

void AudioInputRecorder::TakeAvailable()
{
    if (!Input)
        return;
    if (Watch.Lost()) {
        Lost = true;
        EndCaptureLater();
        return;
    }
    const qint64 frameBytes = 2 * Channels;
    const qint64 missingFrames = (TargetBytes - Captured.size()) / Format.BytesPerSample();
    const QByteArray data = Input->read(missingFrames * frameBytes - Pending.size());
    if (!data.isEmpty() && FirstSampleMs < 0)
        FirstSampleMs = SinceStart.elapsed();
    Pending.append(data);
    const qint64 whole = Pending.size() / frameBytes * frameBytes;
    Captured.append(MixToMono(Pending.left(whole), Channels, Format.BitsPerSample));
    Pending.remove(0, whole);
    if (Captured.size() < TargetBytes)
        return;
    EndCaptureLater();
}

void AudioInputRecorder::EndCaptureLater()
{
    // The source must not be stopped inside its own signal: that deletes the
    // device that is emitting it.
    Input = nullptr;
    Watch.End();
    QMetaObject::invokeMethod(&Guard, [this, source = Source.get()] {
        if (Source.get() == source)
            EndCapture();
    }, Qt::QueuedConnection);
}

void AudioInputRecorder::Stop()
{
    TakeAvailable();
    EndCapture();
}

void AudioInputRecorder::EndCapture()
{
    Input = nullptr;
    Watch.End();
    if (Source) {
        Source->disconnect();
        Source->stop();
        Source.reset();
    }
}

bool AudioInputRecorder::IsRecording() const
{
    return Input != nullptr;
}

QByteArray AudioInputRecorder::Samples() const
{
    return Captured;
}
