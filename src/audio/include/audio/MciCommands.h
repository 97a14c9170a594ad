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

    // Sends a command from the program folder and reports any device error
    // itself. False only when the program folder cannot be made the current
    // folder: then nothing was sent, for a bare file name would name a file
    // elsewhere. LastStatus tells the caller whether the device failed.
    bool RunMciCommand(const QString& command);

    // 0 when the last command RunMciCommand sent succeeded (closing an alias
    // that is not open counts as success), otherwise the device's error code.
    int32_t LastStatus() const { return LastCode; }

    // Puts the repair template in place of the recording file in use.
    void RepairRecordingFile();

private:
    ContestState& Context;
    MciDevice& Device;
    int32_t LastCode = 0;
};
