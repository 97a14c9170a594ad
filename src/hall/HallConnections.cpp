#include "HallConnections.h"

namespace {

thread_local bool Overflowing = false;

}

HallConnections::HallConnections(int workers, int limit) : Limit(limit)
{
    for (int n = 0; n < workers; ++n)
        Admitted.Threads.emplace_back([this] { Work(Admitted, false); });
    for (int n = 0; n < 4; ++n)
        Overflow.Threads.emplace_back([this] { Work(Overflow, true); });
}

HallConnections::~HallConnections()
{
    shutdown();
}

void HallConnections::enqueue(std::function<void()> connection)
{
    {
        std::unique_lock<std::mutex> guard(Lock);
        Room.wait(guard, [this] { return Released || Open < Limit || Overflow.Jobs.size() < OverflowQueue; });
        if (Open < Limit) {
            ++Open;
            Admitted.Jobs.push_back(std::move(connection));
        } else {
            Overflow.Jobs.push_back(std::move(connection));
        }
    }
    Wake.notify_all();
}

void HallConnections::shutdown()
{
    {
        std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
    }
    Wake.notify_all();
    for (Queue* queue : {&Admitted, &Overflow}) {
        for (std::thread& thread : queue->Threads)
            thread.join();
        queue->Threads.clear();
    }
}

void HallConnections::Release()
{
    {
        std::lock_guard<std::mutex> guard(Lock);
        Released = true;
    }
    Room.notify_all();
}

bool HallConnections::ServingOverflow()
{
    return Overflowing;
}

void HallConnections::Work(Queue& queue, bool overflow)
{
    Overflowing = overflow;
    for (;;) {
        std::function<void()> connection;
        {
            std::unique_lock<std::mutex> guard(Lock);
            Wake.wait(guard, [&] { return Stopping || !queue.Jobs.empty(); });
            // Connections already accepted are served (and so closed) first.
            if (queue.Jobs.empty())
                return;
            connection = std::move(queue.Jobs.front());
            queue.Jobs.pop_front();
        }
        Room.notify_all();
        connection();
        if (!overflow) {
            std::lock_guard<std::mutex> guard(Lock);
            --Open;
        }
        Room.notify_all();
    }
}
