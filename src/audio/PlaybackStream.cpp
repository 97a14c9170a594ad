#include "audio/PlaybackStream.h"

#include <QByteArray>
#include <QIODevice>
#include <pulse/context.h>
#include <pulse/stream.h>

namespace {

bool IsFailed(pa_stream* stream)
{
    return !stream || !PA_STREAM_IS_GOOD(pa_stream_get_state(stream));
}

} // namespace

PlaybackStream::~PlaybackStream()
{
    Close();
}

bool PlaybackStream::Start(int sampleRate, int channels, int timeoutMs)
{
    Close();
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(sampleRate), static_cast<uint8_t>(channels)};
    const QDeadlineTimer deadline(timeoutMs);
    if (!pa_sample_spec_valid(&format) || !Connection.Connect(deadline))
        return false;
    Stream = pa_stream_new(Connection.Context(), "Zuvelo", &format, nullptr);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    if (!Stream || pa_stream_connect_playback(Stream, nullptr, nullptr, flags, nullptr, nullptr) < 0 ||
        !Connection.RunUntil(deadline, [this] { return IsFailed(Stream) || pa_stream_get_state(Stream) == PA_STREAM_READY; }) ||
        IsFailed(Stream)) {
        Close();
        return false;
    }
    return true;
}

void PlaybackStream::Feed(QIODevice& source)
{
    Connection.Poll();
    if (IsFailed(Stream) || Drain)
        return;
    // Whole frames only: the source takes a read of less for its end.
    const size_t frameBytes = pa_frame_size(pa_stream_get_sample_spec(Stream));
    const size_t writable = pa_stream_writable_size(Stream);
    if (writable == static_cast<size_t>(-1) || writable < frameBytes)
        return;
    const QByteArray samples = source.read(static_cast<qint64>(writable / frameBytes * frameBytes));
    if (!samples.isEmpty())
        pa_stream_write(Stream, samples.constData(), static_cast<size_t>(samples.size()), nullptr, 0, PA_SEEK_RELATIVE);
    else if (source.bytesAvailable() == 0)
        Drain = pa_stream_drain(Stream, nullptr, nullptr);
}

qint64 PlaybackStream::PlayedMs()
{
    pa_usec_t played = 0;
    if (IsFailed(Stream) || pa_stream_get_time(Stream, &played) < 0)
        return 0;
    return static_cast<qint64>(played / 1000);
}

bool PlaybackStream::Finished() const
{
    return IsFailed(Stream) || !Connection.Connected() || (Drain && pa_operation_get_state(Drain) != PA_OPERATION_RUNNING);
}

void PlaybackStream::Close()
{
    if (Drain) {
        pa_operation_cancel(Drain);
        pa_operation_unref(Drain);
        Drain = nullptr;
    }
    if (Stream) {
        pa_stream_disconnect(Stream);
        pa_stream_unref(Stream);
        Stream = nullptr;
    }
    Connection.Close();
}

