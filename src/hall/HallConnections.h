#pragma once

#include <httplib.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The server's connections: at most `limit` open at once (being served or
// waiting for a worker), each served on one of `workers` threads. A
// connection beyond the limit is still read, on threads of their own, but is
// answered 503 (ServingOverflow() is true while it is served), so that a
// crowd of phones never queues without bound. Past OverflowQueue of those,
// the accept loop waits: further phones wait in the system's backlog instead
// of taking the program's file descriptors, which its recordings need.
class HallConnections : public httplib::TaskQueue {
public:
    static constexpr size_t OverflowQueue = 64;

    HallConnections(int workers, int limit);
    ~HallConnections() override;

    void enqueue(std::function<void()> connection) override;
    void shutdown() override;
    // Lets a waiting accept loop go on, so that the server can stop.
    void Release();

    // True on the thread that serves the connections beyond the limit.
    static bool ServingOverflow();

private:
    struct Queue {
        std::deque<std::function<void()>> Jobs;
        std::vector<std::thread> Threads;
    };
    void Work(Queue& queue, bool overflow);

    const int Limit;
    std::mutex Lock;
    std::condition_variable Wake;
    std::condition_variable Room;
    bool Released = false;
    bool Stopping = false;
    // Connections admitted and not yet closed.
    int Open = 0;
    Queue Admitted;
    Queue Overflow;
};
