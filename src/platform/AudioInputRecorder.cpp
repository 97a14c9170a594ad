#include "platform/AudioInputRecorder.h"

#include "platform/AudioDevices.h"

#include <QAudioSource>
#include <QIODevice>

namespace {

QAudioFormat ToAudioFormat(const PcmFormat& format)
{
    QAudioFormat audioFormat;
    audioFormat.setSampleRate(format.SampleRate);
    audioFormat.setChannelCount(1);
    audioFormat.setSampleFormat(format.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return audioFormat;
}

} // namespace

AudioInputRecorder::AudioInputRecorder() = default;

AudioInputRecorder::~AudioInputRecorder()
{
    EndCapture();
}

bool AudioInputRecorder::Start(const PcmFormat& format, int64_t sampleCount)
{
    EndCapture();
    Captured.clear();
    FirstSampleMs = -1;
    SinceStart.start();
    const QAudioFormat audioFormat = ToAudioFormat(format);
    const QAudioDevice device = DefaultAudioInput();
    if (device.isNull() || !device.isFormatSupported(audioFormat))
        return false;
    TargetBytes = sampleCount * format.BytesPerSample();
    if (TargetBytes <= 0)
        return true;
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
    const QByteArray data = Input->read(TargetBytes - Captured.size());
    if (!data.isEmpty() && FirstSampleMs < 0)
        FirstSampleMs = SinceStart.elapsed();
    Captured.append(data);
    if (Captured.size() < TargetBytes)
        return;
    // The source must not be stopped inside its own signal: that deletes the
    // device that is emitting it.
    Input = nullptr;
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
