#pragma once

#include "core/AudioFailure.h"
#include "core/MciErrorText.h"

#include <QString>
#include <cstdint>

class ContestState;
class MciDevice;

// What RunMciCommand did.
struct MciRun {
    // False when the contest folder is gone: nothing was sent.
    bool Sent = false;
    // MciSuccess when the command went through (closing an alias that is not
    // open counts as success), otherwise the device's error code.
    int32_t Status = MciSuccess;
    // The device's error, after a failed repair of the recording file.
    std::vector<AudioFailure> Failures;
};

// The one way to the recording device: command texts in, status codes and
// texts out, every error reported as a failure for the window to tell (a
// recording refused for want of a sound server as that, not as the device's
// code).
class MciCommands {
public:
    MciCommands(ContestState& context, MciDevice& device);

    // 0 on success, -1 for an empty command, otherwise the device's error
    // code; `reply` gets the device's answer or the text of the error.
    int32_t SendMciCommand(const QString& command, QString& reply);

    // Sends a command; a file that is no sound file is first replaced by the
    // repair template. The pauses around a command are its caller's, on the
    // caller's clock (RecordingSequence).
    MciRun RunMciCommand(const QString& command);

    // The recording file the commands work on, repaired when the device
    // finds it broken.
    void SetRecordingFile(const QString& path) { RecordingPath = path; }

    // Puts the repair template in place of the recording file at `path`;
    // false when it could not.
    bool RepairRecordingFile(const QString& path);

private:
    ContestState& Context;
    MciDevice& Device;
    QString RecordingPath;
};
