#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>

// Mono PCM: 8-bit unsigned or 16-bit signed little-endian samples.
struct PcmFormat {
    int SampleRate = 0;
    int BitsPerSample = 0;

    int BytesPerSample() const { return BitsPerSample / 8; }
    bool operator==(const PcmFormat&) const = default;
};

// Captures the microphone in the background while the caller goes on.
class SoundRecorder {
public:
    virtual ~SoundRecorder() = default;

    // Begins capturing exactly `sampleCount` samples and stops by itself when
    // they are in. False when no input device can deliver the format.
    virtual bool Start(const PcmFormat& format, int64_t sampleCount) = 0;
    // Ends the capture early; the samples so far are kept.
    virtual void Stop() = 0;
    virtual bool IsRecording() const = 0;
    // The samples captured since the last Start.
    virtual QByteArray Samples() const = 0;
    // Milliseconds from the last Start to the arrival of the first sample,
    // -1 while none has arrived: an input may start late, and the recording
    // time counts from there.
    virtual qint64 FirstSampleDelayMs() const { return 0; }
    // The input went away during the last capture, which then ended: its
    // samples are no recording of it.
    virtual bool InputLost() const { return false; }
    // The last Start failed because no sound server answered: no input could
    // be looked for.
    virtual bool ServerMissing() const { return false; }
};
