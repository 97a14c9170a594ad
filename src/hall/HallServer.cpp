#include "hall/HallServer.h"

#include "HallConnections.h"
#include "hall/HallAnswers.h"

#include <microhttpd.h>

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Per connection, for the request line and headers and the answer's
// headers; a request larger than this is refused (414, 431).
constexpr size_t ConnectionMemory = 32 * 1024;
// The server's own cut of a connection that sends or reads nothing.
constexpr unsigned IdleSeconds = 10;
// How long the thread sleeps at most between its rounds of deadlines.
constexpr int RoundMilliseconds = 200;

using Body = std::shared_ptr<const std::string>;

bool AcceptsGzip(const char* acceptEncoding)
{
    if (!acceptEncoding)
        return false;
    for (const QByteArray& coding : QByteArray(acceptEncoding).split(',')) {
        const QList<QByteArray> parts = coding.split(';');
        if (parts[0].trimmed().toLower() != "gzip")
            continue;
        const bool refused = parts.size() > 1 && parts[1].trimmed().startsWith("q=") && parts[1].trimmed().mid(2).toDouble() == 0;
        return !refused;
    }
    return false;
}

std::optional<std::string> Argument(MHD_Connection* connection, const char* name)
{
    const char* value = MHD_lookup_connection_value(connection, MHD_GET_ARGUMENT_KIND, name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

HallRequest RequestOf(MHD_Connection* connection, const char* url)
{
    HallRequest request;
    request.Path = url;
    const char* tag = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_IF_NONE_MATCH);
    request.IfNoneMatch = tag ? tag : "";
    request.Offset = Argument(connection, "offset");
    request.Limit = Argument(connection, "limit");
    request.AcceptsGzip =
        AcceptsGzip(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_ACCEPT_ENCODING));
    return request;
}

// The answer's body is sent straight from the snapshot (or the answer's own
// string), kept alive until the server lets the response go.
MHD_Response* ResponseOf(const HallAnswer& answer)
{
    auto* body = new Body(answer.Body);
    MHD_Response* response = MHD_create_response_from_buffer_with_free_callback_cls(
        (*body)->size(), const_cast<char*>((*body)->data()), [](void* held) { delete static_cast<Body*>(held); }, body);
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.ContentType.c_str());
    MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-cache");
    MHD_add_response_header(response, MHD_HTTP_HEADER_VARY, "Accept-Encoding");
    if (!answer.Tag.empty())
        MHD_add_response_header(response, MHD_HTTP_HEADER_ETAG, answer.Tag.c_str());
    if (answer.Gzipped)
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_ENCODING, "gzip");
    if (answer.RetryAfter > 0)
        MHD_add_response_header(response, MHD_HTTP_HEADER_RETRY_AFTER, std::to_string(answer.RetryAfter).c_str());
    if (answer.Status == 405)
        MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, "GET, HEAD");
    return response;
}

}

struct HallServer::Running {
    explicit Running(std::shared_ptr<std::atomic<HallSnapshotPtr>> current)
        : Current(std::move(current)),
          Connections(MaxConnections, OverflowAnswers, ConnectionsPerClient, HeaderDeadline, AnswerDeadline)
    {
    }
    ~Running();

    void Loop();
    HallConnections::Connection& ConnectionOf(MHD_Connection* connection) const;
    MHD_Result Answer(MHD_Connection* connection, const char* url, const char* method);
    MHD_Daemon* StartDaemon(int socket, int family);

    // The server's calls, each with the Running as its first argument.
    static MHD_Result Admit(void* server, const sockaddr* address, socklen_t);
    static void Note(void* server, MHD_Connection* connection, void** context, MHD_ConnectionNotificationCode event);
    static void NoteAnswered(void* server, MHD_Connection* connection, void**, MHD_RequestTerminationCode);
    static MHD_Result AnswerRequest(void* server, MHD_Connection* connection, const char* url, const char* method,
                                    const char*, const char*, size_t*, void**);

    std::shared_ptr<std::atomic<HallSnapshotPtr>> Current;
    // Touched only on the server's thread, or once it has ended.
    HallConnections Connections;
    std::vector<MHD_Daemon*> Daemons;
    int Port = 0;
    int Wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::atomic<bool> Stopping = false;
    std::thread Thread;
};

HallServer::Running::~Running()
{
    Stopping = true;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t woken = ::write(Wake, &one, sizeof one);
    if (Thread.joinable())
        Thread.join();
    // Closes every connection there and then, and each listening socket.
    for (MHD_Daemon* daemon : Daemons)
        MHD_stop_daemon(daemon);
    ::close(Wake);
}

void HallServer::Running::Loop()
{
    while (!Stopping) {
        std::vector<pollfd> waits{{Wake, POLLIN, 0}};
        int timeout = RoundMilliseconds;
        for (MHD_Daemon* daemon : Daemons) {
            waits.push_back({MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_EPOLL_FD)->epoll_fd, POLLIN, 0});
            MHD_UNSIGNED_LONG_LONG due = 0;
            if (MHD_get_timeout(daemon, &due) == MHD_YES)
                timeout = int(std::min<MHD_UNSIGNED_LONG_LONG>(due, static_cast<MHD_UNSIGNED_LONG_LONG>(timeout)));
        }
        ::poll(waits.data(), waits.size(), timeout);
        for (MHD_Daemon* daemon : Daemons)
            MHD_run(daemon);
        Connections.CutLate(HallConnections::Clock::now());
    }
}

HallConnections::Connection& HallServer::Running::ConnectionOf(MHD_Connection* connection) const
{
    return *static_cast<HallConnections::Connection*>(
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT)->socket_context);
}

MHD_Result HallServer::Running::Answer(MHD_Connection* connection, const char* url, const char* method)
{
    HallConnections::Connection& open = ConnectionOf(connection);
    Connections.Asked(open, HallConnections::Clock::now());
    HallAnswer answer;
    if (open.Overflow)
        answer = StatusAnswer(503);
    else if (std::strcmp(method, "GET") != 0 && std::strcmp(method, "HEAD") != 0)
        answer = StatusAnswer(405);
    else
        answer = AnswerHallRequest(Current->load(), RequestOf(connection, url));
    if (open.Overflow)
        answer.RetryAfter = 2;
    MHD_Response* response = ResponseOf(answer);
    // Beyond the served connections, the place is given back at once.
    if (open.Overflow)
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
    const MHD_Result queued = MHD_queue_response(connection, unsigned(answer.Status), response);
    MHD_destroy_response(response);
    return queued;
}

MHD_Result HallServer::Running::Admit(void* server, const sockaddr* address, socklen_t)
{
    return static_cast<Running*>(server)->Connections.Admits(address) ? MHD_YES : MHD_NO;
}

void HallServer::Running::Note(void* server, MHD_Connection* connection, void** context,
                               MHD_ConnectionNotificationCode event)
{
    HallConnections& connections = static_cast<Running*>(server)->Connections;
    if (event == MHD_CONNECTION_NOTIFY_STARTED) {
        const int socket = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD)->connect_fd;
        const sockaddr* address = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS)->client_addr;
        *context = connections.Opened(socket, address, HallConnections::Clock::now());
    } else {
        connections.Closed(static_cast<HallConnections::Connection*>(*context));
    }
}

void HallServer::Running::NoteAnswered(void* server, MHD_Connection* connection, void**, MHD_RequestTerminationCode)
{
    auto* running = static_cast<Running*>(server);
    running->Connections.Answered(running->ConnectionOf(connection), HallConnections::Clock::now());
}

MHD_Result HallServer::Running::AnswerRequest(void* server, MHD_Connection* connection, const char* url,
                                              const char* method, const char*, const char*, size_t*, void**)
{
    return static_cast<Running*>(server)->Answer(connection, url, method);
}

MHD_Daemon* HallServer::Running::StartDaemon(int socket, int family)
{
    // Driven from this server's own thread; the limit per phone is kept by
    // Admit, which sees an IPv6 phone's whole /64.
    const unsigned flags = MHD_USE_EPOLL | (family == AF_INET6 ? MHD_USE_IPv6 : 0);
    return MHD_start_daemon(flags, 0, Admit, this, AnswerRequest, this,
                            MHD_OPTION_LISTEN_SOCKET, socket,
                            MHD_OPTION_CONNECTION_LIMIT, unsigned(MaxConnections + OverflowAnswers),
                            MHD_OPTION_CONNECTION_MEMORY_LIMIT, ConnectionMemory,
                            MHD_OPTION_CONNECTION_TIMEOUT, IdleSeconds,
                            MHD_OPTION_NOTIFY_CONNECTION, Note, this,
                            MHD_OPTION_NOTIFY_COMPLETED, NoteAnswered, this,
                            MHD_OPTION_END);
}

namespace {

int PortOf(int socket)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    return address.ss_family == AF_INET6 ? ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port)
                                         : ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
}

}

HallServer::HallServer(ListenSocketOpener open)
    : Open(std::move(open)),
      Current(std::make_shared<std::atomic<HallSnapshotPtr>>(BuildHallSnapshot({}, QDateTime::currentDateTime(), {}, {})))
{
}

HallServer::~HallServer()
{
    Stop();
}

HallStart HallServer::Start(int port)
{
    Stop();
    auto running = std::make_unique<Running>(Current);
    HallStart outcome;
    for (const int family : {AF_INET, AF_INET6}) {
        // A port the system chose for the first family is asked of the second.
        const std::variant<int, HallBindFailure> socket = Open(family, running->Port ? running->Port : port);
        HallBindFailure& failure = family == AF_INET ? outcome.IPv4 : outcome.IPv6;
        failure = std::holds_alternative<int>(socket) ? HallBindFailure::None : std::get<HallBindFailure>(socket);
        if (failure != HallBindFailure::None)
            continue;
        MHD_Daemon* daemon = running->StartDaemon(std::get<int>(socket), family);
        if (!daemon) {
            ::close(std::get<int>(socket));
            failure = HallBindFailure::Other;
            continue;
        }
        running->Daemons.push_back(daemon);
        running->Port = PortOf(std::get<int>(socket));
    }
    if (!outcome.Listening())
        return outcome;
    running->Thread = std::thread([server = running.get()] { server->Loop(); });
    Server = std::move(running);
    return outcome;
}

void HallServer::Stop()
{
    Server.reset();
}

bool HallServer::IsListening() const
{
    return Server != nullptr;
}

int HallServer::Port() const
{
    return Server ? Server->Port : 0;
}

void HallServer::Replace(HallSnapshotPtr snapshot)
{
    Current->store(std::move(snapshot));
}
