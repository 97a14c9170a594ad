#include "audio/AudioDevices.h"

#include "audio/SoundServerConnection.h"

#include <algorithm>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/volume.h>

namespace {

struct ServerQuery {
    SoundServerDefaults Defaults;
    AudioInputList Inputs;
    bool Answered = false;
    bool Listed = false;
};

void OnServerInfo(pa_context*, const pa_server_info* info, void* data)
{
    auto* query = static_cast<ServerQuery*>(data);
    if (info) {
        query->Defaults.SourceName = info->default_source_name;
        query->Defaults.SinkName = info->default_sink_name;
        query->Defaults.ServerName = QString::fromUtf8(info->server_name) + QLatin1Char(' ') + QString::fromUtf8(info->server_version);
    }
    query->Answered = true;
}

void OnSource(pa_context*, const pa_source_info* info, int eol, void* data)
{
    auto* query = static_cast<ServerQuery*>(data);
    if (info && info->monitor_of_sink == PA_INVALID_INDEX)
        query->Inputs.Inputs.push_back({info->name, QString::fromUtf8(info->description)});
    if (eol != 0)
        query->Listed = true;
}

struct VolumeQuery {
    std::optional<int> Percent;
    bool Answered = false;
};

void OnSourceVolume(pa_context*, const pa_source_info* info, int eol, void* data)
{
    auto* query = static_cast<VolumeQuery*>(data);
    if (info)
        query->Percent = static_cast<int>((static_cast<uint64_t>(pa_cvolume_avg(&info->volume)) * 100 + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM);
    if (eol != 0 || info)
        query->Answered = true;
}

// Runs the request to its end; an unfinished one is cancelled.
bool Run(SoundServerConnection& connection, QDeadlineTimer deadline, pa_operation* operation, const bool& done)
{
    if (!operation)
        return false;
    const bool finished = connection.RunUntil(deadline, [&done] { return done; });
    if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return finished;
}

// The server's defaults, and its inputs when `listInputs`; false when no
// server answered in time.
bool AskServer(ServerQuery& query, int timeoutMs, bool listInputs)
{
    const QDeadlineTimer deadline(timeoutMs);
    SoundServerConnection connection;
    if (!connection.Connect(deadline))
        return false;
    if (!Run(connection, deadline, pa_context_get_server_info(connection.Context(), OnServerInfo, &query), query.Answered))
        return false;
    return !listInputs || Run(connection, deadline, pa_context_get_source_info_list(connection.Context(), OnSource, &query), query.Listed);
}

} // namespace

SoundServerDefaults QuerySoundServerDefaults(int timeoutMs)
{
    ServerQuery query;
    AskServer(query, timeoutMs, false);
    return query.Defaults;
}

AudioInputList ListAudioInputs()
{
    ServerQuery query;
    if (!AskServer(query, 1000, true))
        return {{}, {}, true};
    const QByteArray defaultName = query.Defaults.SourceName;
    const auto& inputs = query.Inputs.Inputs;
    if (std::any_of(inputs.begin(), inputs.end(), [&](const AudioInputEntry& input) { return input.Name == defaultName; }))
        query.Inputs.DefaultName = defaultName;
    return query.Inputs;
}

std::optional<int> QueryInputVolume(const QByteArray& name, int timeoutMs)
{
    ServerQuery server;
    const QDeadlineTimer deadline(timeoutMs);
    SoundServerConnection connection;
    if (!connection.Connect(deadline))
        return std::nullopt;
    QByteArray source = name;
    if (source.isEmpty()) {
        if (!Run(connection, deadline, pa_context_get_server_info(connection.Context(), OnServerInfo, &server), server.Answered))
            return std::nullopt;
        source = server.Defaults.SourceName;
    }
    VolumeQuery query;
    if (!Run(connection, deadline, pa_context_get_source_info_by_name(connection.Context(), source.constData(), OnSourceVolume, &query),
             query.Answered))
        return std::nullopt;
    return query.Percent;
}

ResolvedAudioInput ResolveAudioInput(const AudioInputList& list, const QByteArray& chosen)
{
    if (chosen.isEmpty())
        return {};
    const bool listed = std::any_of(list.Inputs.begin(), list.Inputs.end(), [&](const AudioInputEntry& input) { return input.Name == chosen; });
    return listed ? ResolvedAudioInput{chosen, false} : ResolvedAudioInput{{}, true};
}
