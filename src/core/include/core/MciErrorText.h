#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Status codes of the multimedia command interpreter, numbered as the
// platform numbers them so that callers can act on the same values.
enum MciStatus : int32_t {
    // Refused before reaching the device.
    MciEmptyCommand = -1,
    MciSuccess = 0,
    MciUnrecognizedKeyword = 259,
    MciHardwareError = 262,
    MciUnrecognizedCommand = 261,
    MciInvalidDeviceName = 263,
    MciDeviceOpen = 265,
    MciMissingStringArgument = 269,
    MciBadInteger = 270,
    MciMissingParameter = 273,
    MciFileNotFound = 275,
    MciOutOfRange = 282,
    MciFileNotSaved = 286,
    MciDuplicateAlias = 289,
    MciMissingDeviceName = 292,
    MciNoClosingQuote = 294,
    MciInvalidFile = 296,
    MciWaveInputsUnsuitable = 328,
};

// The operator's text for a status code; nothing for a code we have no text for.
std::optional<QString> MciErrorText(int32_t code);
// The reply to a failed command: the code's text, or "Error (文字列が取れません)".
QString MciFailureReply(int32_t code);
