#include "core/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Marks the temporary files of this program's writes, so that those a crash
// left behind are known for what they are.
constexpr char TemporarySuffix[] = ".zuvelo-";

// Writes all of `bytes`, going on after a partial write; false at the first
// error (a full disk among them).
bool WriteAll(int fd, QByteArrayView bytes)
{
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// New files get the permissions an ordinary file would get.
void SetOrdinaryPermissions(int fd)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// A folder in the place of a file is never swapped in: the write fails.
bool IsFile(const QByteArray& path)
{
    struct stat existing {};
    return ::lstat(path.constData(), &existing) == 0 && S_ISREG(existing.st_mode);
}

// Puts the finished temporary file in the place of `path`. A write left to
// the system's flushing swaps the two names instead of renaming over the old
// file: ext4 writes a file renamed over another out at once (its guard for
// programs that never flush), the very wait such a write is to spare. The old
// contents, now under the temporary name, go afterwards.
bool PutInPlace(const QByteArray& temporary, const QByteArray& path, DiskFlush flush)
{
    if (flush == DiskFlush::Later && IsFile(path) &&
        ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path.constData(), RENAME_EXCHANGE) == 0) {
        ::unlink(temporary.constData());
        return true;
    }
    // No file to swap with, or a file system that cannot swap.
    return ::rename(temporary.constData(), path.constData()) == 0;
}

}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    return WriteFileAtomically(path, {QByteArrayView(bytes)});
}

bool WriteFileAtomically(const QString& path, std::initializer_list<QByteArrayView> parts, DiskFlush flush)
{
    // Every step is checked: the data written, its way to the disk, the
    // close, and the rename that puts it in place. A buffered write would
    // report a full disk only when it is too late to keep the old file.
    QByteArray temporary = QFile::encodeName(path) + TemporarySuffix + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    SetOrdinaryPermissions(fd);
    const bool written = std::all_of(parts.begin(), parts.end(), [fd](QByteArrayView part) { return WriteAll(fd, part); }) &&
                         (flush == DiskFlush::Later || ::fsync(fd) == 0);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !PutInPlace(temporary, QFile::encodeName(path), flush)) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

bool SyncFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    // The rename that put the file in place lives in its folder.
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    const bool folderSynced = ::fsync(folder) == 0;
    ::close(folder);
    return synced && closed && folderSynced;
}

void RemoveLeftoverTemporaries(const QString& folder)
{
    const QDir dir(folder);
    const QStringList leftovers = dir.entryList({QStringLiteral("*") + QLatin1String(TemporarySuffix) + QStringLiteral("??????")},
                                                QDir::Files | QDir::Hidden);
    for (const QString& name : leftovers)
        QFile::remove(dir.filePath(name));
}

bool CopyFileReplacing(const QString& source, const QString& destination)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return file.error() == QFileDevice::NoError && WriteFileAtomically(destination, bytes);
}
