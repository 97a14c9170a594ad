#pragma once

#include "core/SoundRecorder.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

struct MciReply {
    int32_t Code = 0;
    QString Text;
};

// Interprets the multimedia command texts of the wave-audio device:
//   open <file> [alias <name>] [type waveaudio]
//   record <alias> [from 0] [to <ms>] [overwrite]
//   stop <alias> | save <alias> | close <alias> | close all
//   status <alias> mode | position
// A file is named relative to the current folder, matched without regard to
// letter case; its own WAV header decides the recording format. One device is
// open at a time. A recording replaces the samples of the file when saved; its
// time counts from the first sample the input delivers, and its position
// stays 0 until then. A recording the device ended early (a sound server that
// died or froze, an input that went away) is not saved but reported as a
// hardware error. Stopping early by command keeps what was recorded.
class MciDevice {
public:
    // Bare and relative file names in commands name files of `folder`.
    MciDevice(const QString& folder, std::unique_ptr<SoundRecorder> recorder);

    MciReply Execute(const QString& command);

    // The last recording could not start because no sound server answered.
    bool SoundServerMissing() const { return Recorder->ServerMissing(); }

    // The longest recording a command may ask for, so that a mistyped time
    // cannot claim unbounded memory.
    static constexpr int64_t MaxRecordingMs = 10 * 60 * 1000;
    // How long past the requested time the last samples may take to arrive.
    static constexpr int64_t LateSamplesMs = 500;

private:
    struct OpenedFile {
        QString Alias;
        QString Path;
        PcmFormat Format;
        bool Recorded = false;
        // The samples asked for, the clock since the record command, and
        // how long it had run when it was first stopped (-1 while running).
        int64_t RequestedSamples = 0;
        int64_t RequestedMs = 0;
        QElapsedTimer Clock;
        qint64 StoppedAtMs = -1;
    };

    void StopRecording();
    // The device delivered fewer samples than asked for although it was
    // given the time: the sound server died or froze.
    bool EndedEarly() const;

    MciReply Open(const QStringList& words);
    MciReply Record(const QStringList& words);
    MciReply Stop(const QStringList& words);
    MciReply Save(const QStringList& words);
    MciReply Close(const QStringList& words);
    MciReply Status(const QStringList& words);
    // Code 0 when `words` name the open device with nothing after the alias
    // but `extra` more words.
    int32_t CheckAlias(const QStringList& words, int extraWords) const;

    QString Folder;
    std::unique_ptr<SoundRecorder> Recorder;
    std::optional<OpenedFile> Opened;
};
