#include "HallConnections.h"

#include <algorithm>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>

HallConnections::HallConnections(int served, int overflow, int perClient, Clock::duration headerTime,
                                 Clock::duration answerTime)
    : Served(served), Overflow(overflow), PerClient(perClient), HeaderTime(headerTime), AnswerTime(answerTime)
{
}

std::array<uint8_t, 9> HallConnections::ClientOf(const sockaddr* address)
{
    // The family first, then the address's bytes that name the phone.
    std::array<uint8_t, 9> client{};
    if (address->sa_family == AF_INET) {
        client[0] = 4;
        std::memcpy(&client[1], &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, 4);
    } else if (address->sa_family == AF_INET6) {
        const in6_addr& ip = reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr;
        if (IN6_IS_ADDR_V4MAPPED(&ip)) {
            client[0] = 4;
            std::memcpy(&client[1], &ip.s6_addr[12], 4);
        } else {
            client[0] = 6;
            std::memcpy(&client[1], ip.s6_addr, 8);
        }
    }
    return client;
}

bool HallConnections::Admits(const sockaddr* address) const
{
    if (int(Open.size()) >= Served + Overflow)
        return false;
    const auto fromClient = PerClientOpen.find(ClientOf(address));
    return fromClient == PerClientOpen.end() || fromClient->second < PerClient;
}

HallConnections::Connection* HallConnections::Opened(int socket, const sockaddr* address, Clock::time_point now)
{
    Connection& connection = Open.emplace_back();
    connection.Socket = socket;
    connection.Client = ClientOf(address);
    connection.Due = now + HeaderTime;
    connection.Overflow = int(Open.size()) > Served;
    connection.Self = std::prev(Open.end());
    ++PerClientOpen[connection.Client];
    return &connection;
}

void HallConnections::Closed(Connection* connection)
{
    const auto fromClient = PerClientOpen.find(connection->Client);
    if (--fromClient->second == 0)
        PerClientOpen.erase(fromClient);
    Open.erase(connection->Self);
}

void HallConnections::Asked(Connection& connection, Clock::time_point now)
{
    connection.Due = now + AnswerTime;
}

void HallConnections::Answered(Connection& connection, Clock::time_point now)
{
    connection.Due = now + HeaderTime;
}

void HallConnections::CutLate(Clock::time_point now)
{
    for (Connection& connection : Open) {
        if (connection.Due <= now) {
            ::shutdown(connection.Socket, SHUT_RDWR);
            // Once: the server closes it on its next turn.
            connection.Due = Clock::time_point::max();
        }
    }
}
