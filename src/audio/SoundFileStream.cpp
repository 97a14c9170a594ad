#include "audio/SoundFileStream.h"

#include <QFile>
#include <cstring>
#include <vector>

std::unique_ptr<SoundFileStream> SoundFileStream::Open(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return nullptr;
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames <= 0) {
        sf_close(file);
        return nullptr;
    }
    std::unique_ptr<SoundFileStream> stream(new SoundFileStream(file, info));
    stream->open(QIODevice::ReadOnly);
    return stream;
}

SoundFileStream::SoundFileStream(SNDFILE* file, const SF_INFO& info) : File(file), Info(info) {}

SoundFileStream::~SoundFileStream()
{
    sf_close(File);
}

qint64 SoundFileStream::LengthMs() const
{
    return Info.frames * 1000 / Info.samplerate;
}

qint64 SoundFileStream::PositionMs() const
{
    return FramesRead * 1000 / Info.samplerate;
}

bool SoundFileStream::Rewind()
{
    if (sf_seek(File, 0, SEEK_SET) < 0)
        return false;
    FramesRead = 0;
    return true;
}

qint64 SoundFileStream::bytesAvailable() const
{
    const qint64 frameBytes = qint64(Info.channels) * sizeof(short);
    return (Info.frames - FramesRead) * frameBytes + QIODevice::bytesAvailable();
}

qint64 SoundFileStream::readData(char* data, qint64 maxSize)
{
    const qint64 frameBytes = qint64(Info.channels) * sizeof(short);
    // The sink's buffer need not be aligned for shorts.
    std::vector<short> samples(static_cast<size_t>(maxSize / frameBytes * Info.channels));
    const sf_count_t frames = sf_readf_short(File, samples.data(), maxSize / frameBytes);
    // A file that breaks off while decoding ends there.
    if (frames <= 0) {
        FramesRead = Info.frames;
        return 0;
    }
    FramesRead += frames;
    std::memcpy(data, samples.data(), static_cast<size_t>(frames * frameBytes));
    return frames * frameBytes;
}

qint64 SoundFileStream::writeData(const char*, qint64)
{
    return -1;
}
