#include "core/FolderLock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

enum class Locked { Yes, ByAnother, NotHere };

// Locks the open descriptor for good, or closes it.
Locked LockOrClose(int& fd)
{
    if (fd < 0)
        return Locked::NotHere;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Locked::Yes;
    const bool byAnother = errno == EWOULDBLOCK;
    ::close(fd);
    fd = -1;
    return byAnother ? Locked::ByAnother : Locked::NotHere;
}

// Not following a link planted in its place, and not waiting on a pipe.
int OpenLockFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | flags, 0644);
    // A file someone made read-only still takes a lock, though not on NFS.
    return fd >= 0 ? fd : ::open(name.constData(), O_RDONLY | flags);
}

}

FolderLock::FolderLock(const QString& folder) : Folder(folder) {}

FolderLock::~FolderLock()
{
    Release();
}

FolderLock::Claim FolderLock::Take()
{
    if (FolderDescriptor >= 0 || FileDescriptor >= 0)
        return Claim::Held;
    FolderDescriptor = ::open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const Locked folder = LockOrClose(FolderDescriptor);
    if (folder == Locked::ByAnother)
        return Claim::HeldElsewhere;
    FileDescriptor = OpenLockFile(QDir(Folder).filePath(QLatin1String(FileName)));
    const Locked file = LockOrClose(FileDescriptor);
    if (file == Locked::ByAnother) {
        Release();
        return Claim::HeldElsewhere;
    }
    return folder == Locked::Yes || file == Locked::Yes ? Claim::Held : Claim::Unavailable;
}

void FolderLock::Release()
{
    for (int* fd : {&FolderDescriptor, &FileDescriptor}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}
