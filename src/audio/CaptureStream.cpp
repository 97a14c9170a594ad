#include "audio/CaptureStream.h"

#include <cstring>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/stream.h>

namespace {

struct SourceQuery {
    QByteArray Name;
    pa_sample_spec Format{};
    pa_channel_map Map{};
    bool Found = false;
    bool Answered = false;
};

void OnServer(pa_context*, const pa_server_info* info, void* data)
{
    auto* query = static_cast<SourceQuery*>(data);
    if (info && info->default_source_name)
        query->Name = info->default_source_name;
    query->Answered = true;
}

void OnSource(pa_context*, const pa_source_info* info, int eol, void* data)
{
    auto* query = static_cast<SourceQuery*>(data);
    if (info) {
        query->Name = info->name;
        query->Format = info->sample_spec;
        query->Map = info->channel_map;
        query->Found = true;
    }
    if (eol != 0)
        query->Answered = true;
}

// Runs one request to its answer; false when the connection drops or the time is up.
template <class Start>
bool Ask(SoundServerConnection& connection, QDeadlineTimer deadline, SourceQuery& query, Start start)
{
    query.Answered = false;
    pa_operation* operation = start(connection.Context());
    if (!operation)
        return false;
    const bool answered = connection.RunUntil(deadline, [&query] { return query.Answered; });
    if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return answered;
}

bool IsFailed(pa_stream* stream)
{
    return !stream || !PA_STREAM_IS_GOOD(pa_stream_get_state(stream));
}

} // namespace

CaptureStream::CaptureStream() = default;

CaptureStream::~CaptureStream()
{
    Close();
}

CaptureStream::Found CaptureStream::Find(const QByteArray& sourceName, int timeoutMs)
{
    Close();
    const QDeadlineTimer deadline(timeoutMs);
    if (!Connection.Connect(deadline))
        return Found::NoServer;
    SourceQuery query;
    query.Name = sourceName;
    if (sourceName.isEmpty() && !Ask(Connection, deadline, query, [&query](pa_context* context) {
            return pa_context_get_server_info(context, OnServer, &query);
        }))
        return Connection.Connected() ? Found::NoSource : Found::NoServer;
    const QByteArray name = query.Name;
    if (name.isEmpty() || !Ask(Connection, deadline, query, [&name, &query](pa_context* context) {
            return pa_context_get_source_info_by_name(context, name.constData(), OnSource, &query);
        }) || !query.Found)
        return Connection.Connected() ? Found::NoSource : Found::NoServer;
    Name = query.Name;
    ChannelCount = query.Format.channels;
    ChannelMap = std::make_unique<pa_channel_map>(query.Map);
    return Found::Source;
}

bool CaptureStream::Start(int sampleRate, int timeoutMs)
{
    if (!Connection.Connected() || Stream || !ChannelMap)
        return false;
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(sampleRate), static_cast<uint8_t>(ChannelCount)};
    if (!pa_sample_spec_valid(&format))
        return false;
    const bool mapFits = pa_channel_map_valid(ChannelMap.get()) && ChannelMap->channels == format.channels;
    Stream = pa_stream_new(Connection.Context(), "Zuvelo", &format, mapFits ? ChannelMap.get() : nullptr);
    // Small fragments, so that the level follows the voice; the server keeps
    // the rest until it is read.
    pa_buffer_attr attributes;
    std::memset(&attributes, 0xff, sizeof attributes);
    attributes.fragsize = static_cast<uint32_t>(pa_usec_to_bytes(20 * 1000, &format));
    // Never moved: the input found is the one recorded from, whatever
    // becomes the default meanwhile (a headset plugged in).
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (!Stream || pa_stream_connect_record(Stream, Name.constData(), &attributes, flags) < 0 ||
        !Connection.RunUntil(QDeadlineTimer(timeoutMs), [this] {
            return IsFailed(Stream) || pa_stream_get_state(Stream) == PA_STREAM_READY;
        }) ||
        IsFailed(Stream)) {
        Close();
        return false;
    }
    return true;
}

QByteArray CaptureStream::Read()
{
    QByteArray samples;
    Connection.Poll();
    while (Stream && pa_stream_get_state(Stream) == PA_STREAM_READY && pa_stream_readable_size(Stream) > 0) {
        const void* data = nullptr;
        size_t size = 0;
        if (pa_stream_peek(Stream, &data, &size) < 0)
            break;
        if (size == 0)
            break;
        // A hole in the stream (data missing) is left out.
        if (data)
            samples.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
        pa_stream_drop(Stream);
    }
    return samples;
}

bool CaptureStream::Failed() const
{
    return IsFailed(Stream) || !Connection.Connected();
}

void CaptureStream::Close()
{
    if (Stream) {
        pa_stream_disconnect(Stream);
        pa_stream_unref(Stream);
        Stream = nullptr;
    }
    Connection.Close();
    Name.clear();
    ChannelCount = 0;
    ChannelMap.reset();
}
