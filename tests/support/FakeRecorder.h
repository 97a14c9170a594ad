#pragma once

#include "core/SoundRecorder.h"

#include <QtGlobal>
#include <algorithm>
#include <functional>

// Hands out a fixed signal at once instead of capturing the microphone, and
// notes when the recording started: milliseconds of Now when it is set.
class FakeRecorder : public SoundRecorder {
public:
    struct Log {
        bool Accepts = true;
        QByteArray Signal;
        PcmFormat Format;
        int64_t SampleCount = -1;
        int Stops = 0;
        // Fewer samples than asked for, as from a sound server that died.
        int64_t DeliverAtMost = -1;
        std::function<qint64()> Now;
        qint64 StartedAt = -1;
        // Runs when the recording is stopped.
        std::function<void()> OnStop;
        // What the recorder says of itself: still capturing.
        bool Recording = false;
        // Milliseconds of Now after the start before any sample arrives, as
        // from an input that starts slowly.
        qint64 FirstSampleAfter = 0;
    };

    explicit FakeRecorder(Log& log) : State(log) {}

    bool Start(const PcmFormat& format, int64_t sampleCount) override
    {
        State.StartedAt = State.Now ? State.Now() : 0;
        State.Format = format;
        State.SampleCount = sampleCount;
        return State.Accepts;
    }
    void Stop() override
    {
        ++State.Stops;
        if (State.OnStop)
            State.OnStop();
    }
    bool IsRecording() const override { return State.Recording; }
    QByteArray Samples() const override
    {
        if (!Arrived())
            return {};
        QByteArray samples = State.Signal;
        const int64_t count = State.DeliverAtMost < 0 ? State.SampleCount : std::min(State.SampleCount, State.DeliverAtMost);
        samples.resize(count * State.Format.BytesPerSample(), '\x11');
        return samples;
    }

    qint64 FirstSampleDelayMs() const override { return Arrived() ? State.FirstSampleAfter : -1; }

private:
    bool Arrived() const { return !State.Now || State.Now() - State.StartedAt >= State.FirstSampleAfter; }

    Log& State;
};
