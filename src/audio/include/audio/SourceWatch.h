#pragma once

#include "audio/SoundServerConnection.h"

#include <QByteArray>
#include <cstdint>
#include <set>

struct pa_source_output_info;

// Follows the sound server's source a recording runs from. The server moves
// a recording to another source when its own goes away (a microphone
// unplugged, its module unloaded) and the recording goes on, silent: the
// watch calls the source lost when it is removed, or when a recording
// stream of this process that ran from it shows up on another source or is
// ended by the server. The server's events are taken in only when Lost is
// asked, on the caller's thread.
class SourceWatch {
public:
    SourceWatch() = default;
    SourceWatch(const SourceWatch&) = delete;
    SourceWatch& operator=(const SourceWatch&) = delete;
    ~SourceWatch();

    // Watches the source named `sourceName` from now on. False when the
    // server does not answer within `timeoutMs` or has no such source.
    bool Begin(const QByteArray& sourceName, int timeoutMs = 1000);
    // Stops watching; Lost answers false until the next Begin.
    void End();
    // True once the source was lost since Begin, or the server went away.
    bool Lost();

private:
    // The server's callbacks, in the terms of libpulse.
    struct Callbacks;
    friend struct Callbacks;

    void SeeEvent(int facility, int kind, uint32_t index);
    void SeeStream(const pa_source_output_info& info);

    SoundServerConnection Connection;
    uint32_t SourceIndex = UINT32_MAX;
    // This process's recording streams seen on the source.
    std::set<uint32_t> OwnStreams;
    bool WasLost = false;
};
