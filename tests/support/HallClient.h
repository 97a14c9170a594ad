#pragma once

// A raw HTTP client of the hall's server on loopback: the bytes sent are
// exactly those written, so that hostile requests can be made.
#include <QTcpServer>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

// A connection to 127.0.0.1 from the loopback address `from` (127.0.0.2 …,
// another phone to the server).
inline int Connect(int port, const char* from = "127.0.0.1")
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in source{};
    source.sin_family = AF_INET;
    inet_pton(AF_INET, from, &source.sin_addr);
    ::bind(socket, reinterpret_cast<sockaddr*>(&source), sizeof source);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // A connection refused reads as an answer of nothing (status 0).
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        ::shutdown(socket, SHUT_RDWR);
    return socket;
}

// A connection to ::1.
inline int Connect6(int port)
{
    const int socket = ::socket(AF_INET6, SOCK_STREAM, 0);
    sockaddr_in6 address{};
    address.sin6_family = AF_INET6;
    address.sin6_port = htons(uint16_t(port));
    address.sin6_addr = in6addr_loopback;
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        ::shutdown(socket, SHUT_RDWR);
    return socket;
}

inline void Send(int socket, const std::string& bytes)
{
    for (size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return; // the server may close on an oversized request before reading it all
        sent += size_t(n);
    }
}

// Everything the server sends until it closes the connection.
inline std::string ReceiveAll(int socket)
{
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = ::recv(socket, buffer, sizeof buffer, 0)) > 0;)
        answer.append(buffer, size_t(n));
    ::close(socket);
    return answer;
}

inline std::string Exchange(int port, const std::string& request)
{
    const int socket = Connect(port);
    Send(socket, request);
    return ReceiveAll(socket);
}

// The value of the answer's header `name` ("ETag"); empty when absent.
inline std::string HeaderOf(const std::string& answer, const std::string& name)
{
    const size_t at = answer.find("\r\n" + name + ": ");
    if (at == std::string::npos || at > answer.find("\r\n\r\n"))
        return {};
    const size_t from = at + name.size() + 4;
    return answer.substr(from, answer.find("\r\n", from) - from);
}

inline int StatusOf(const std::string& answer)
{
    return answer.size() > 12 ? std::stoi(answer.substr(9, 3)) : 0;
}

inline std::string BodyOf(const std::string& answer)
{
    const size_t end = answer.find("\r\n\r\n");
    return end == std::string::npos ? std::string() : answer.substr(end + 4);
}

inline std::string Get(const std::string& target, const std::string& headers = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: zuvelo\r\n" + headers + "\r\n";
}

// A port nothing listens on just now.
inline int FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}
