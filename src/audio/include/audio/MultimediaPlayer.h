#pragma once

#include "audio/PlaybackStream.h"
#include "audio/SoundFileStream.h"

#include <QString>
#include <QTimer>
#include <memory>

// The sound player: takes the commands "Open", "Prev", "Play" and "Close"
// for the file named by FileName and reports its mode and, in milliseconds,
// the length of the loaded sound and how much of it has been played. A file
// that cannot be opened or played leaves the player not open. Each sound is
// played to the sound server's default output on a connection of its own,
// fed by a timer of the thread that plays it, which the waits keep running.
class MultimediaPlayer {
public:
    static constexpr int ModeNotOpen = 524;
    static constexpr int ModeStopped = 525;
    static constexpr int ModePlaying = 526;

    MultimediaPlayer();
    ~MultimediaPlayer();

    QString FileName;

    // Unknown commands are ignored.
    void Command(const QString& command);
    int Mode() const;
    qint64 Length() const;
    qint64 Position() const;

private:
    void Open();
    void Prev();
    void Play();
    void Close();
    bool HasFinished() const;

    void StopPlaying();

    std::unique_ptr<SoundFileStream> Stream;
    std::unique_ptr<PlaybackStream> Sink;
    QTimer Feeding;
    qint64 PlayStartMs = 0;
};
