// Arbitrary bytes as a file offered for recording: the header check must
// never crash; a format it accepts is one the device records, a header
// written for that format reads back as it, and bytes after the point where
// the check stopped cannot change its answer.
#include "core/WavHeader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

const QString& FolderPath()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/zuvelo-header-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/zuvelo-header-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::optional<PcmFormat> FormatOf(const QByteArray& bytes)
{
    const QString path = FolderPath() + QStringLiteral("/offered.wav");
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();
    return ReadRecordableFormat(path);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<PcmFormat> format = FormatOf(bytes);
    if (!format)
        return 0;
    Check(format->BitsPerSample == 8 || format->BitsPerSample == 16);
    Check(format->SampleRate >= 8000 && format->SampleRate <= 48000);
    Check(FormatOf(bytes + QByteArray("\x01\xff junk after the samples", 25)) == format);
    const QByteArray header = MakeRecordingHeader(static_cast<uint32_t>(format->SampleRate),
                                                  static_cast<uint16_t>(format->BitsPerSample), 4);
    Check(FormatOf(header + QByteArray(4, '\x80')) == format);
    return 0;
}
