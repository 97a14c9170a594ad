#include "hall/HallServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

HallBindFailure FailureOf(int error)
{
    switch (error) {
    case EAFNOSUPPORT:
    case EADDRNOTAVAIL:
        return HallBindFailure::FamilyUnavailable;
    case EADDRINUSE:
        return HallBindFailure::PortInUse;
    case EACCES:
    case EPERM:
        return HallBindFailure::NotPermitted;
    default:
        return HallBindFailure::Other;
    }
}

int BindAny(int socket, int family, int port)
{
    if (family == AF_INET6) {
        sockaddr_in6 address{};
        address.sin6_family = AF_INET6;
        address.sin6_port = htons(uint16_t(port));
        address.sin6_addr = in6addr_any;
        return ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    return ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

}

std::variant<int, HallBindFailure> OpenListenSocket(int family, int port)
{
    const int socket = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return FailureOf(errno);
    const int yes = 1;
    // No SO_REUSEPORT: a second program on the port is refused instead of
    // sharing it. IPv6 alone on its socket, so that IPv4 binds beside it.
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (family == AF_INET6)
        setsockopt(socket, IPPROTO_IPV6, IPV6_V6ONLY, &yes, sizeof yes);
    // A crowd of phones asking at once waits in the backlog, not refused.
    if (BindAny(socket, family, port) != 0 || ::listen(socket, HallServer::MaxConnections) != 0) {
        const int error = errno;
        ::close(socket);
        return FailureOf(error);
    }
    return socket;
}
