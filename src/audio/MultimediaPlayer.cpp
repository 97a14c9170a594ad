#include "audio/MultimediaPlayer.h"

#include <algorithm>

MultimediaPlayer::MultimediaPlayer()
{
    Feeding.setInterval(10);
    QObject::connect(&Feeding, &QTimer::timeout, &Feeding, [this] {
        if (Sink && Stream)
            Sink->Feed(*Stream);
    });
}

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
    StopPlaying();
    if (!Stream->Rewind())
        Close();
    PlayStartMs = 0;
}

void MultimediaPlayer::Play()
{
    if (!Stream || Mode() == ModePlaying)
        return;
    PlayStartMs = Stream->PositionMs();
    Sink = std::make_unique<PlaybackStream>();
    if (!Sink->Start(Stream->SampleRate(), Stream->Channels())) {
        Close();
        return;
    }
    Sink->Feed(*Stream);
    Feeding.start();
}

void MultimediaPlayer::StopPlaying()
{
    Feeding.stop();
    Sink.reset();
}

void MultimediaPlayer::Close()
{
    StopPlaying();
    Stream.reset();
    PlayStartMs = 0;
}

bool MultimediaPlayer::HasFinished() const
{
    return !Sink || Sink->Finished() || PlayStartMs + Sink->PlayedMs() >= Stream->LengthMs();
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
    return std::min(PlayStartMs + Sink->PlayedMs(), Stream->LengthMs());
}
