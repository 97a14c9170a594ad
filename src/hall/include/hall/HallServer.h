#pragma once

#include "hall/HallSnapshot.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <variant>

// Why the server could not listen on one address family.
enum class HallBindFailure {
    None,
    // The machine has no such family (IPv6 turned off at boot).
    FamilyUnavailable,
    PortInUse,
    // A port below 1024 without the right to it.
    NotPermitted,
    Other,
};

// How starting the server went, for each address family. The families are
// bound each on its own socket, so either alone serves the page.
struct HallStart {
    HallBindFailure IPv4 = HallBindFailure::Other;
    HallBindFailure IPv6 = HallBindFailure::Other;

    bool Listening() const { return IPv4 == HallBindFailure::None || IPv6 == HallBindFailure::None; }
};

// A listening socket of `family` (AF_INET or AF_INET6) on every address of
// the machine at `port`, or why there is none.
using ListenSocketOpener = std::function<std::variant<int, HallBindFailure>(int family, int port)>;
std::variant<int, HallBindFailure> OpenListenSocket(int family, int port);

// The hall's read-only web server (libmicrohttpd), made for a hall where
// anyone may send anything. One thread of its own answers every connection
// from the snapshot last handed to Replace: a request never touches a
// contest file nor waits on the GUI thread, and a slow phone holds up
// nobody. GET and HEAD only (405 otherwise), the request line and headers
// bounded (414, 431), a Range header ignored (the whole body is sent).
// At most MaxConnections served at once (503 beyond, up to OverflowAnswers
// more; further ones are refused), at most ConnectionsPerClient from one
// phone (an IPv4 address, an IPv6 /64); a request's headers must have
// arrived HeaderDeadline after the connection or the previous answer, and
// its answer must have gone AnswerDeadline after them, or the connection is
// closed.
class HallServer {
public:
    static constexpr int MaxConnections = 256;
    static constexpr int OverflowAnswers = 64;
    static constexpr int ConnectionsPerClient = 16;
    static constexpr std::chrono::seconds HeaderDeadline{5};
    static constexpr std::chrono::seconds AnswerDeadline{20};

    explicit HallServer(ListenSocketOpener open = OpenListenSocket);
    // Stops the server.
    ~HallServer();
    HallServer(const HallServer&) = delete;
    HallServer& operator=(const HallServer&) = delete;

    // Listens on `port` (0: a free port the system chooses) on IPv4 and IPv6,
    // stopping a server already listening first. When neither family
    // listens, nothing does.
    HallStart Start(int port);
    // Closes every connection at once, whatever a phone is sending or reading.
    void Stop();
    bool IsListening() const;
    // The port listened on; 0 when stopped.
    int Port() const;

    // From any thread; answers already going out keep the snapshot they took.
    void Replace(HallSnapshotPtr snapshot);

private:
    struct Running;
    ListenSocketOpener Open;
    std::unique_ptr<Running> Server;
    std::shared_ptr<std::atomic<HallSnapshotPtr>> Current;
};
