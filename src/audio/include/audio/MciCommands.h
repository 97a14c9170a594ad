#pragma once

#include <QString>
#include <cstdint>

class ContestState;
class MciDevice;

// The one way to the recording device: command texts in, status codes and
// texts out, with every error turned into a message for the operator.
class MciCommands {
public:
    MciCommands(ContestState& context, MciDevice& device);

    // 0 on success, -1 for an empty command, otherwise the device's error
    // code; `reply` gets the device's answer or the text of the error.
    int32_t SendMciCommand(const QString& command, QString& reply);

    // Sends a command and reports any device error itself; a file that is
    // no sound file is first replaced by the repair template. False only
    // when the contest folder is gone: then nothing was sent. LastStatus
    // tells the caller whether the device failed.
    bool RunMciCommand(const QString& command);

    // 0 when the last command RunMciCommand sent succeeded (closing an alias
    // that is not open counts as success), otherwise the device's error code.
    int32_t LastStatus() const { return LastCode; }

    // The recording file the commands work on, repaired when the device
    // finds it broken.
    void SetRecordingFile(const QString& path) { RecordingPath = path; }

    // Puts the repair template in place of the recording file at `path`.
    void RepairRecordingFile(const QString& path);

private:
    ContestState& Context;
    MciDevice& Device;
    int32_t LastCode = 0;
    QString RecordingPath;
};
