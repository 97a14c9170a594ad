#pragma once

#include "audio/SoundServerConnection.h"

#include <QByteArray>
#include <memory>

struct pa_channel_map;
struct pa_stream;

// One recording stream from a source of the sound server, in 16-bit samples
// of the source's own channels, on a connection made anew at each Find: a
// server that died and was started again is used at the next recording.
// Samples are taken in only when Read is asked, on the caller's thread; the
// server buffers them in the meantime.
class CaptureStream {
public:
    enum class Found { Source, NoServer, NoSource };

    CaptureStream();
    CaptureStream(const CaptureStream&) = delete;
    CaptureStream& operator=(const CaptureStream&) = delete;
    ~CaptureStream();

    // Connects and looks up the source `sourceName` names, the server's
    // default for an empty name; waits at most `timeoutMs` for the server.
    Found Find(const QByteArray& sourceName, int timeoutMs = 1000);
    // The source found: the server's name of it, and its channel count.
    QByteArray SourceName() const { return Name; }
    int Channels() const { return ChannelCount; }

    // Starts recording from the source found at `sampleRate`, a stream the
    // server may not move to another source; false when the server refuses.
    bool Start(int sampleRate, int timeoutMs = 1000);
    // The samples that arrived since the last Read.
    QByteArray Read();
    // The stream ended or failed, or the connection dropped: nothing more
    // will arrive.
    bool Failed() const;
    void Close();

private:
    SoundServerConnection Connection;
    pa_stream* Stream = nullptr;
    QByteArray Name;
    int ChannelCount = 0;
    std::unique_ptr<pa_channel_map> ChannelMap;
};
