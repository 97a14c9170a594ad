#pragma once

#include "platform/SoundRecorder.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class QAudioSource;
class QIODevice;

// Records from the sound server's default source through Qt Multimedia. The
// samples arrive through the event loop of the thread that started it, which
// the waits keep running; the server buffers them in the meantime.
class AudioInputRecorder : public SoundRecorder {
public:
    AudioInputRecorder();
    ~AudioInputRecorder() override;

    bool Start(const PcmFormat& format, int64_t sampleCount) override;
    void Stop() override;
    bool IsRecording() const override;
    QByteArray Samples() const override;

    // Milliseconds from the last Start to the arrival of the first sample;
    // -1 while none has arrived.
    qint64 FirstSampleDelayMs() const { return FirstSampleMs; }

private:
    void TakeAvailable();
    void EndCapture();

    std::unique_ptr<QAudioSource> Source;
    QIODevice* Input = nullptr;
    QByteArray Captured;
    qint64 TargetBytes = 0;
    QElapsedTimer SinceStart;
    qint64 FirstSampleMs = -1;
    // Context of the deferred stop; gone with the recorder.
    QObject Guard;
};
