#pragma once

#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

// What went wrong on the way to the recording device. The audio layer only
// reports; the window layer decides what the operator is told.

// The device refused Command with status Code (an MciStatus, or -1 for an
// empty command).
struct DeviceFailed {
    int32_t Code = 0;
    QString Command;
    bool operator==(const DeviceFailed&) const = default;
};

// The recording file the device found broken could not be replaced by the
// repair template: the next recording would fail the same way.
struct RecordingNotRepaired {
    bool operator==(const RecordingNotRepaired&) const = default;
};

// The contest folder could not be entered for a command of recording step
// Step (2 starting, 3 finishing): nothing was sent.
struct FolderLost {
    int Step = 0;
    bool operator==(const FolderLost&) const = default;
};

// The contest folder cannot take a recording: the template could not be
// copied there, or the folder was gone when a left-over device was closed.
struct RecordingFolderUnusable {
    bool operator==(const RecordingFolderUnusable&) const = default;
};

// The template TemplateName is no recording template of the quality in use:
// recording into it would score whatever it holds.
struct TemplateUnsuitable {
    QString TemplateName;
    bool operator==(const TemplateUnsuitable&) const = default;
};

// An earlier recording under FileName could not be renamed aside, so it is
// not overwritten.
struct EarlierRecordingNotKept {
    QString FileName;
    bool operator==(const EarlierRecordingNotKept&) const = default;
};

// No sound server answered when a recording was to start: the device's
// refusal is no fault of the microphone.
struct SoundServerUnreachable {
    bool operator==(const SoundServerUnreachable&) const = default;
};

using AudioFailure = std::variant<DeviceFailed, RecordingNotRepaired, FolderLost, RecordingFolderUnusable, TemplateUnsuitable,
                                  EarlierRecordingNotKept, SoundServerUnreachable>;

// The recording step itself failed, for want of a usable contest folder or
// template, not the device: no measurement can be made until that is mended.
inline bool IsStepFailure(const AudioFailure& failure)
{
    return std::holds_alternative<FolderLost>(failure) || std::holds_alternative<RecordingFolderUnusable>(failure) ||
           std::holds_alternative<TemplateUnsuitable>(failure) || std::holds_alternative<EarlierRecordingNotKept>(failure);
}

// What a recording step did: whether it went through, and what went wrong on
// the way, in the order it happened; a step may go through past a failure
// (a left-over device that would not close).
struct AudioStep {
    bool Done = true;
    std::vector<AudioFailure> Failures;
    bool operator==(const AudioStep&) const = default;
};
