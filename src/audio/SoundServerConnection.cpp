#include "audio/SoundServerConnection.h"

#include <algorithm>
#include <pulse/context.h>
#include <pulse/mainloop.h>

SoundServerConnection::~SoundServerConnection()
{
    Close();
}

bool SoundServerConnection::Connect(QDeadlineTimer deadline)
{
    Close();
    Loop = pa_mainloop_new();
    Ctx = Loop ? pa_context_new(pa_mainloop_get_api(Loop), "Zuvelo") : nullptr;
    if (!Ctx || pa_context_connect(Ctx, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        !RunUntil(deadline, [this] { return Connected(); })) {
        Close();
        return false;
    }
    return true;
}

bool SoundServerConnection::RunUntil(QDeadlineTimer deadline, const std::function<bool()>& done)
{
    while (!done()) {
        if (!Ctx || !PA_CONTEXT_IS_GOOD(pa_context_get_state(Ctx)) || deadline.hasExpired())
            return false;
        // The poll never blocks beyond the deadline.
        const auto remainingUs = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1) * 1000);
        if (pa_mainloop_prepare(Loop, remainingUs) < 0 || pa_mainloop_poll(Loop) < 0 || pa_mainloop_dispatch(Loop) < 0)
            return false;
    }
    return true;
}

void SoundServerConnection::Poll()
{
    // The bound keeps a chatty server from holding the caller.
    for (int i = 0; Loop && i < 64 && pa_mainloop_iterate(Loop, 0, nullptr) > 0; ++i) {
    }
}

bool SoundServerConnection::Connected() const
{
    return Ctx && pa_context_get_state(Ctx) == PA_CONTEXT_READY;
}

void SoundServerConnection::Close()
{
    if (Ctx) {
        pa_context_disconnect(Ctx);
        pa_context_unref(Ctx);
        Ctx = nullptr;
    }
    if (Loop) {
        pa_mainloop_free(Loop);
        Loop = nullptr;
    }
}
