#include "audio/AudioDevices.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <QList>
#include <QMediaDevices>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

namespace {

struct ServerInfoQuery {
    SoundServerDefaults Defaults;
    bool Answered = false;
};

void OnServerInfo(pa_context*, const pa_server_info* info, void* data)
{
    auto* query = static_cast<ServerInfoQuery*>(data);
    if (info) {
        query->Defaults.SourceName = info->default_source_name;
        query->Defaults.SinkName = info->default_sink_name;
        query->Defaults.ServerName = QString::fromUtf8(info->server_name) + QLatin1Char(' ') + QString::fromUtf8(info->server_version);
    }
    query->Answered = true;
}

// Runs the loop until the server has answered, failed or the time is up; the
// poll never blocks beyond the deadline.
void RunQuery(pa_mainloop* loop, pa_context* context, ServerInfoQuery& query, QDeadlineTimer deadline)
{
    pa_operation* operation = nullptr;
    while (!query.Answered && !deadline.hasExpired()) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (!PA_CONTEXT_IS_GOOD(state))
            break;
        if (state == PA_CONTEXT_READY && !operation)
            operation = pa_context_get_server_info(context, OnServerInfo, &query);
        const auto remainingUs = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1) * 1000);
        if (pa_mainloop_prepare(loop, remainingUs) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
            break;
    }
    if (operation) {
        if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
            pa_operation_cancel(operation);
        pa_operation_unref(operation);
    }
}

QAudioDevice FindDevice(const QList<QAudioDevice>& devices, const QByteArray& id, const QAudioDevice& fallback)
{
    for (const QAudioDevice& device : devices) {
        if (!id.isEmpty() && device.id() == id)
            return device;
    }
    return fallback;
}

} // namespace

SoundServerDefaults QuerySoundServerDefaults(int timeoutMs)
{
    ServerInfoQuery query;
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return {};
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Zuvelo");
    if (context) {
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0)
            RunQuery(loop, context, query, QDeadlineTimer(timeoutMs));
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return query.Defaults;
}

QAudioDevice DefaultAudioInput()
{
    return ChosenAudioInput({});
}

QAudioDevice DefaultAudioOutput()
{
    return FindDevice(QMediaDevices::audioOutputs(), QuerySoundServerDefaults().SinkName, QMediaDevices::defaultAudioOutput());
}

QAudioDevice ChosenAudioInput(const QByteArray& chosen)
{
    const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
    if (!chosen.isEmpty())
        return FindDevice(inputs, chosen, QAudioDevice());
    return FindDevice(inputs, QuerySoundServerDefaults().SourceName, QMediaDevices::defaultAudioInput());
}

AudioInputList ListAudioInputs()
{
    AudioInputList list;
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        list.Inputs.push_back({device.id(), device.description()});
    list.DefaultName = DefaultAudioInput().id();
    return list;
}

ResolvedAudioInput ResolveAudioInput(const AudioInputList& list, const QByteArray& chosen)
{
    if (chosen.isEmpty())
        return {};
    const bool listed = std::any_of(list.Inputs.begin(), list.Inputs.end(), [&](const AudioInputEntry& input) { return input.Name == chosen; });
    return listed ? ResolvedAudioInput{chosen, false} : ResolvedAudioInput{{}, true};
}
