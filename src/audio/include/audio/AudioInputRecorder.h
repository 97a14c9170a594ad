#pragma once

#include "audio/CaptureStream.h"
#include "audio/SourceWatch.h"
#include "core/SoundRecorder.h"

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

// Records from the sound server's input `chosenInput` names when a recording
// starts (the server's name of an input; the default input when it gives an
// empty name), on a connection made for that recording, so that a server
// started again after it died is used at the next one. An input that is gone
// is never replaced by another: Start fails. The recording stays on the input
// it started on; the capture ends, as lost, when that input goes away, or if
// a server moves the recording elsewhere all the same. The
// input is opened at its own channel count and mixed to mono here, so that
// every sound server delivers the same samples. The samples are taken in by
// a timer of the thread that started it, which the waits keep running; the
// server buffers them in the meantime.
class AudioInputRecorder : public SoundRecorder {
public:
    explicit AudioInputRecorder(std::function<QByteArray()> chosenInput = {});
    ~AudioInputRecorder() override;

    bool Start(const PcmFormat& format, int64_t sampleCount) override;
    void Stop() override;
    bool IsRecording() const override;
    QByteArray Samples() const override;
    bool InputLost() const override { return Lost; }
    bool ServerMissing() const override { return NoServer; }
    qint64 FirstSampleDelayMs() const override { return FirstSampleMs; }

private:
    void TakeAvailable();
    void EndCapture();

    CaptureStream Stream;
    QTimer Intake;
    bool Capturing = false;
    std::function<QByteArray()> ChosenInput;
    PcmFormat Format;
    int Channels = 1;
    // Frames as they came, up to the last whole one; mono samples of Format.
    QByteArray Pending;
    QByteArray Captured;
    qint64 TargetBytes = 0;
    QElapsedTimer SinceStart;
    qint64 FirstSampleMs = -1;
    SourceWatch Watch;
    bool Lost = false;
    bool NoServer = false;
};
