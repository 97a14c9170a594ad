#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <list>
#include <map>

struct sockaddr;

// The server's open connections, on its one thread: how many there are, from
// whom, and by when each must have sent its request or received its answer.
// A connection past its time is cut (its socket shut down, so that the
// server sees it end and closes it), whatever the phone is sending.
class HallConnections {
public:
    using Clock = std::chrono::steady_clock;

    struct Connection {
        int Socket = -1;
        // The phone: an IPv4 address, or an IPv6 address's /64 (a phone has
        // a whole /64 to choose addresses from).
        std::array<uint8_t, 9> Client{};
        Clock::time_point Due;
        // Beyond the served connections: answered 503 and closed.
        bool Overflow = false;
        std::list<Connection>::iterator Self;
    };

    HallConnections(int served, int overflow, int perClient, Clock::duration headerTime, Clock::duration answerTime);

    // Whether a connection from `address` may be accepted at all.
    bool Admits(const sockaddr* address) const;
    Connection* Opened(int socket, const sockaddr* address, Clock::time_point now);
    void Closed(Connection* connection);
    // Its request's headers have arrived: the answer is due.
    void Asked(Connection& connection, Clock::time_point now);
    // Its answer has gone: the next request's headers are due.
    void Answered(Connection& connection, Clock::time_point now);
    // Shuts down the sockets of the connections past their time.
    void CutLate(Clock::time_point now);

private:
    static std::array<uint8_t, 9> ClientOf(const sockaddr* address);

    const int Served;
    const int Overflow;
    const int PerClient;
    const Clock::duration HeaderTime;
    const Clock::duration AnswerTime;
    std::list<Connection> Open;
    std::map<std::array<uint8_t, 9>, int> PerClientOpen;
};
