#pragma once

#include "audio/SoundServerConnection.h"

class QIODevice;
struct pa_operation;
struct pa_stream;

// One playback stream to the sound server's default output, in 16-bit
// samples, on a connection made anew at each Start: a server that died and
// was started again is used at the next sound. Fed and followed only when
// Feed is asked, on the caller's thread.
class PlaybackStream {
public:
    PlaybackStream() = default;
    PlaybackStream(const PlaybackStream&) = delete;
    PlaybackStream& operator=(const PlaybackStream&) = delete;
    ~PlaybackStream();

    // False when no server answers within `timeoutMs` or it refuses the format.
    bool Start(int sampleRate, int channels, int timeoutMs = 1000);
    // Hands the server what it can take from `source` (whole frames); once
    // `source` is spent, lets the server play out what it holds.
    void Feed(QIODevice& source);
    // Milliseconds heard so far.
    qint64 PlayedMs();
    // Played out, or broken off by the server.
    bool Finished() const;
    void Close();

private:
    SoundServerConnection Connection;
    pa_stream* Stream = nullptr;
    pa_operation* Drain = nullptr;
};
