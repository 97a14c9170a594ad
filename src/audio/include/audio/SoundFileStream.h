#pragma once

#include <QIODevice>
#include <QString>
#include <memory>
#include <sndfile.h>

// A sound file decoded on demand by libsndfile into interleaved 16-bit
// samples, read by an audio sink as it plays.
class SoundFileStream : public QIODevice {
public:
    // Nothing when libsndfile cannot read the file.
    static std::unique_ptr<SoundFileStream> Open(const QString& path);
    ~SoundFileStream() override;

    int SampleRate() const { return Info.samplerate; }
    int Channels() const { return Info.channels; }
    qint64 LengthMs() const;
    qint64 PositionMs() const;
    bool Rewind();

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    SoundFileStream(SNDFILE* file, const SF_INFO& info);

    SNDFILE* File;
    SF_INFO Info;
    sf_count_t FramesRead = 0;
};
