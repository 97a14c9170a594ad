#include "audio/SourceWatch.h"

#include <QCoreApplication>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>

namespace {

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
    const QDeadlineTimer deadline(timeoutMs);
    SourceQuery query;
    const bool ready = Connection.Connect(deadline);
    if (ready) {
        pa_context* context = Connection.Context();
        pa_context_set_subscribe_callback(context, &Callbacks::OnEvent, this);
        const auto mask = static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT);
        Forget(pa_context_subscribe(context, mask, nullptr, nullptr));
        Forget(pa_context_get_source_info_by_name(context, sourceName.constData(), OnSource, &query));
    }
    if (!ready || !Connection.RunUntil(deadline, [&query] { return query.Answered; }) || query.Index == PA_INVALID_INDEX) {
        End();
        return false;
    }
    SourceIndex = query.Index;
    return true;
}

void SourceWatch::End()
{
    if (Connection.Context())
        pa_context_set_subscribe_callback(Connection.Context(), nullptr, nullptr);
    Connection.Close();
    SourceIndex = PA_INVALID_INDEX;
    OwnStreams.clear();
    WasLost = false;
}

bool SourceWatch::Lost()
{
    if (!Connection.Context())
        return false;
    Connection.Poll();
    WasLost = WasLost || !Connection.Connected();
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
        Forget(pa_context_get_source_output_info(Connection.Context(), index, &Callbacks::OnStream, this));
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
