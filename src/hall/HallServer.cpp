#include "hall/HallServer.h"

#include "HallConnections.h"
#include "hall/HallAnswers.h"

#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <chrono>
#include <thread>

namespace {

// Enough threads that a few slow phones do not hold up the others; the
// answers themselves are ready-made in the snapshot.
constexpr int Workers = 16;

void SetAnswer(httplib::Response& response, int status, std::string body, const std::string& contentType)
{
    response.status = status;
    response.set_content(std::move(body), contentType.c_str());
}

// The library answers 400 both for a request line it cannot read and for a
// header line beyond its bound. Once the request line was read (its version
// is known), the only way left to fail is a header line too long.
int ReportedStatus(const httplib::Request& request, int status)
{
    const bool requestLineRead = request.version == "HTTP/1.1" || request.version == "HTTP/1.0";
    return status == 400 && requestLineRead ? 431 : status;
}

void Configure(httplib::Server& server, const std::shared_ptr<std::atomic<HallSnapshotPtr>>& current,
               std::atomic<HallConnections*>& connections)
{
    server.new_task_queue = [&connections] {
        auto* queue = new HallConnections(Workers, HallServer::MaxConnections);
        connections = queue;
        return queue;
    };
    // One request per connection: an idle phone never holds a worker.
    server.set_keep_alive_max_count(1);
    // A phone sends its request as it connects; a silent one is dropped
    // soon, and so does not hold up the program's end for long.
    server.set_read_timeout(3, 0);
    server.set_write_timeout(5, 0);
    server.set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
        if (HallConnections::ServingOverflow()) {
            response.set_header("Retry-After", "2");
            SetAnswer(response, 503, StatusText(503), "text/plain; charset=utf-8");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (request.method != "GET" && request.method != "HEAD") {
            response.set_header("Allow", "GET, HEAD");
            SetAnswer(response, 405, StatusText(405), "text/plain; charset=utf-8");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.Get(".*", [current](const httplib::Request& request, httplib::Response& response) {
        const HallSnapshotPtr snapshot = current->load();
        HallAnswer answer = AnswerHallRequest(*snapshot, request.path, request.get_header_value("If-None-Match"));
        if (!answer.Tag.empty())
            response.set_header("ETag", answer.Tag);
        response.set_header("Cache-Control", "no-cache");
        if (answer.Status == 304)
            response.status = 304;
        else
            SetAnswer(response, answer.Status, std::move(answer.Body), answer.ContentType);
    });
    server.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request& request,
                                                                     httplib::Response& response) {
        response.status = ReportedStatus(request, response.status);
        if (response.body.empty())
            response.set_content(StatusText(response.status), "text/plain; charset=utf-8");
        return httplib::Server::HandlerResponse::Handled;
    }));
}

}

struct HallServer::Running {
    httplib::Server Http;
    std::thread Listener;
    int Port = 0;
    int ListeningSocket = -1;
    // The library's queue while it listens, for Stop to release.
    std::atomic<HallConnections*> Connections = nullptr;
};

HallServer::HallServer()
    : Current(std::make_shared<std::atomic<HallSnapshotPtr>>(BuildHallSnapshot({}, QDateTime::currentDateTime(), {}, {})))
{
}

HallServer::~HallServer()
{
    Stop();
}

HallStart HallServer::Start(int port)
{
    Stop();
    auto running = std::make_unique<Running>();
    Configure(running->Http, Current, running->Connections);
    // Without the library's SO_REUSEPORT: a second program on the port is
    // refused instead of sharing it.
    running->Http.set_socket_options([socket = &running->ListeningSocket](int fd) {
        const int yes = 1;
        const int no = 0;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        // IPv4 phones too, on the same socket.
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &no, sizeof no);
        *socket = fd;
    });
    errno = 0;
    if (port == 0) {
        running->Port = running->Http.bind_to_any_port("::");
        if (running->Port < 0)
            return HallStart::PortRefused;
    } else if (!running->Http.bind_to_port("::", port)) {
        return errno == EADDRINUSE ? HallStart::PortInUse : HallStart::PortRefused;
    } else {
        running->Port = port;
    }
    // The library listens with a backlog of 5: a crowd of phones asking at
    // once would see connections dropped and retried a second later.
    ::listen(running->ListeningSocket, MaxConnections);
    running->Listener = std::thread([http = &running->Http] { http->listen_after_bind(); });
    // A stop before the listener runs would not reach it.
    for (int waited = 0; !running->Http.is_running() && waited < 2000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Server = std::move(running);
    return HallStart::Listening;
}

void HallServer::Stop()
{
    if (!Server)
        return;
    if (HallConnections* connections = Server->Connections)
        connections->Release();
    Server->Http.stop();
    Server->Listener.join();
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
