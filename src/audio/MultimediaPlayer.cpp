#include "audio/MultimediaPlayer.h"

#include "audio/AudioDevices.h"

#include <QAudioSink>
#include <algorithm>

namespace {

// The sink falls idle once the server holds the last data, a little before
// the sound has really ended; after this long idle it has ended in any case.
constexpr qint64 IdleEndMs = 500;

} // namespace

MultimediaPlayer::MultimediaPlayer() = default;

MultimediaPlayer::~MultimediaPlayer()
{
    Close();
}

void MultimediaPlayer::Command(const QString& command)
{
    if (command == QLatin1String("Open"))
        Open();
    else if (command == QLatin1String("Prev"))
        Prev();
    else if (command == QLatin1String("Play"))
        Play();
    else if (command == QLatin1String("Close"))
        Close();
}

void MultimediaPlayer::Open()
{
    Close();
    Stream = SoundFileStream::Open(FileName);
}

void MultimediaPlayer::Prev()
{
    if (!Stream)
        return;
    Sink.reset();
    if (!Stream->Rewind())
        Close();
    PlayStartMs = 0;
}

void MultimediaPlayer::Play()
{
    if (!Stream || Mode() == ModePlaying)
        return;
    QAudioFormat format;
    format.setSampleRate(Stream->SampleRate());
    format.setChannelCount(Stream->Channels());
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = DefaultAudioOutput();
    if (device.isNull()) {
        Close();
        return;
    }
    PlayStartMs = Stream->PositionMs();
    IdleSince.invalidate();
    Sink = std::make_unique<QAudioSink>(device, format);
    QObject::connect(Sink.get(), &QAudioSink::stateChanged, &Guard, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            IdleSince.start();
        else
            IdleSince.invalidate();
    });
    Sink->start(Stream.get());
    if (Sink->error() != QAudio::NoError)
        Close();
}

void MultimediaPlayer::Close()
{
    if (Sink) {
        Sink->disconnect();
        Sink->stop();
        Sink.reset();
    }
    Stream.reset();
    PlayStartMs = 0;
}

bool MultimediaPlayer::HasFinished() const
{
    if (!Sink)
        return true;
    if (Sink->state() == QAudio::StoppedState)
        return true;
    const bool allPlayed = PlayStartMs + Sink->processedUSecs() / 1000 >= Stream->LengthMs();
    return IdleSince.isValid() && (allPlayed || IdleSince.elapsed() >= IdleEndMs);
}

int MultimediaPlayer::Mode() const
{
    if (!Stream)
        return ModeNotOpen;
    return HasFinished() ? ModeStopped : ModePlaying;
}

qint64 MultimediaPlayer::Length() const
{
    return Stream ? Stream->LengthMs() : 0;
}

qint64 MultimediaPlayer::Position() const
{
    if (!Stream)
        return 0;
    if (!Sink)
        return PlayStartMs;
    // A sound that broke off counts as played, so that nobody waits for its end.
    if (HasFinished())
        return Stream->LengthMs();
    return std::min(PlayStartMs + Sink->processedUSecs() / 1000, Stream->LengthMs());
}
