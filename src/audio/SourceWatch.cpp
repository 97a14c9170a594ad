#include "audio/SourceWatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <functional>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/subscribe.h>

namespace {

// Runs the loop until `done` holds, the context fails or the time is up.
bool RunUntil(pa_mainloop* loop, pa_context* context, QDeadlineTimer deadline, const std::function<bool()>& done)
{
    while (!done()) {
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) || deadline.hasExpired())
            return false;
        const auto remainingUs = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1) * 1000);
        if (pa_mainloop_prepare(loop, remainingUs) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
            return false;
    }
    return true;
}

struct SourceQuery {
    uint32_t Index = PA_INVALID_INDEX;
    bool Answered = false;
};

void OnSource(pa_context*, const pa_source_info* info, int eol, void* data)
{
    auto* query = static_cast<SourceQuery*>(data);
    if (info)
        query->Index = info->index;
    if (eol != 0)
        query->Answered = true;
}

bool IsOwnStream(const pa_source_output_info& info)
{
    const char* process = pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_PROCESS_ID);
    return process && QByteArray(process) == QByteArray::number(QCoreApplication::applicationPid());
}

void Forget(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

struct SourceWatch::Callbacks {
    static void OnEvent(pa_context*, pa_subscription_event_type_t type, uint32_t index, void* data)
    {
        static_cast<SourceWatch*>(data)->SeeEvent(type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK, type & PA_SUBSCRIPTION_EVENT_TYPE_MASK, index);
    }

    static void OnStream(pa_context*, const pa_source_output_info* info, int, void* data)
    {
        if (info)
            static_cast<SourceWatch*>(data)->SeeStream(*info);
    }
};

SourceWatch::~SourceWatch()
{
    End();
}

bool SourceWatch::Begin(const QByteArray& sourceName, int timeoutMs)
{
    End();
    Loop = pa_mainloop_new();
    Context = Loop ? pa_context_new(pa_mainloop_get_api(Loop), "Zuvelo") : nullptr;
    if (!Context || pa_context_connect(Context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        End();
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    SourceQuery query;
    const bool ready = RunUntil(Loop, Context, deadline, [this] { return pa_context_get_state(Context) == PA_CONTEXT_READY; });
    if (ready) {
        pa_context_set_subscribe_callback(Context, &Callbacks::OnEvent, this);
        const auto mask = static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT);
        Forget(pa_context_subscribe(Context, mask, nullptr, nullptr));
        Forget(pa_context_get_source_info_by_name(Context, sourceName.constData(), OnSource, &query));
    }
    if (!ready || !RunUntil(Loop, Context, deadline, [&query] { return query.Answered; }) || query.Index == PA_INVALID_INDEX) {
        End();
        return false;
    }
    SourceIndex = query.Index;
    return true;
}

void SourceWatch::End()
{
    if (Context) {
        pa_context_set_subscribe_callback(Context, nullptr, nullptr);
        pa_context_disconnect(Context);
        pa_context_unref(Context);
        Context = nullptr;
    }
    if (Loop) {
        pa_mainloop_free(Loop);
        Loop = nullptr;
    }
    SourceIndex = PA_INVALID_INDEX;
    OwnStreams.clear();
    WasLost = false;
}

bool SourceWatch::Connected() const
{
    return Context && pa_context_get_state(Context) == PA_CONTEXT_READY;
}

bool SourceWatch::Lost()
{
    if (!Context)
        return false;
    // Takes in what has arrived without waiting; the bound keeps a chatty
    // server from holding the caller.
    for (int i = 0; i < 64 && pa_mainloop_iterate(Loop, 0, nullptr) > 0; ++i) {
    }
    WasLost = WasLost || !Connected();
    return WasLost;
}

void SourceWatch::SeeEvent(int facility, int kind, uint32_t index)
{
    if (facility == PA_SUBSCRIPTION_EVENT_SOURCE && kind == PA_SUBSCRIPTION_EVENT_REMOVE && index == SourceIndex)
        WasLost = true;
    if (facility != PA_SUBSCRIPTION_EVENT_SOURCE_OUTPUT)
        return;
    if (kind == PA_SUBSCRIPTION_EVENT_REMOVE)
        WasLost = WasLost || OwnStreams.count(index) > 0;
    else
        Forget(pa_context_get_source_output_info(Context, index, &Callbacks::OnStream, this));
}

void SourceWatch::SeeStream(const pa_source_output_info& info)
{
    if (!IsOwnStream(info))
        return;
    if (info.source == SourceIndex)
        OwnStreams.insert(info.index);
    else if (OwnStreams.count(info.index) > 0)
        WasLost = true;
}
