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
// connection beyond the limit is still read, on a thread of its own, but is
// answered 503 (ServingOverflow() is true while it is served), so that a
// crowd of phones never queues without bound.
class HallConnections : public httplib::TaskQueue {
public:
    HallConnections(int workers, int limit);
    ~HallConnections() override;

    void enqueue(std::function<void()> connection) override;
    void shutdown() override;

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
    bool Stopping = false;
    // Connections admitted and not yet closed.
    int Open = 0;
    Queue Admitted;
    Queue Overflow;
};
