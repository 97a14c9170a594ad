#pragma once

#include "hall/HallSnapshot.h"

#include <atomic>
#include <memory>

// How starting the server went.
enum class HallStart { Listening, PortInUse, PortRefused };

// The hall's read-only web server, listening on every interface of the
// machine, IPv4 and IPv6. It answers from its own threads, only from the snapshot last
// handed to Replace: a request never touches a contest file nor waits on the
// GUI thread. GET and HEAD only (405 otherwise), request line and headers
// bounded (414, 431), at most MaxConnections open at once (503 beyond).
class HallServer {
public:
    static constexpr int MaxConnections = 256;

    HallServer();
    // Stops the server.
    ~HallServer();
    HallServer(const HallServer&) = delete;
    HallServer& operator=(const HallServer&) = delete;

    // Listens on `port` (0: a free port the system chooses), stopping a
    // server already listening first. On failure nothing listens.
    HallStart Start(int port);
    // Waits for the requests being answered, then closes every connection.
    void Stop();
    bool IsListening() const;
    // The port listened on; 0 when stopped.
    int Port() const;

    // From any thread; requests already answering keep the snapshot they took.
    void Replace(HallSnapshotPtr snapshot);

private:
    struct Running;
    std::unique_ptr<Running> Server;
    std::shared_ptr<std::atomic<HallSnapshotPtr>> Current;
};
