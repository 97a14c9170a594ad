#pragma once

#include "audio/SoundFileStream.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;

// The sound player: takes the commands "Open", "Prev", "Play" and "Close"
// for the file named by FileName and reports its mode and, in milliseconds,
// the length of the loaded sound and how much of it has been played. A file
// that cannot be opened or played leaves the player not open.
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

    std::unique_ptr<SoundFileStream> Stream;
    std::unique_ptr<QAudioSink> Sink;
    qint64 PlayStartMs = 0;
    QElapsedTimer IdleSince;
    QObject Guard;
};
