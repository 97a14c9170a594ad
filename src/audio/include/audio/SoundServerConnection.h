#pragma once

#include <QDeadlineTimer>
#include <functional>

struct pa_context;
struct pa_mainloop;

// A connection of its own to the sound server, on a loop of its own that
// runs on the caller's thread only while asked. Made anew for each use, so
// that a server started again after it died is simply connected to again;
// a connection that dropped stays dropped.
class SoundServerConnection {
public:
    SoundServerConnection() = default;
    SoundServerConnection(const SoundServerConnection&) = delete;
    SoundServerConnection& operator=(const SoundServerConnection&) = delete;
    ~SoundServerConnection();

    // False when no server takes the connection before `deadline`; never
    // starts a server.
    bool Connect(QDeadlineTimer deadline);
    // Runs the loop until `done` holds; false when the connection drops or
    // the time is up first.
    bool RunUntil(QDeadlineTimer deadline, const std::function<bool()>& done);
    // Takes in what has arrived, without waiting.
    void Poll();
    bool Connected() const;
    pa_context* Context() const { return Ctx; }
    void Close();

private:
    pa_mainloop* Loop = nullptr;
    pa_context* Ctx = nullptr;
};
