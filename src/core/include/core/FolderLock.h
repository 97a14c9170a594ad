#pragma once

#include <QString>

// Keeps a second copy of the program off a contest folder. The claim is an
// advisory lock (flock) that the system holds for the open descriptor and
// releases when the process ends, however it ends: nothing a crash or a
// power cut leaves in a file can keep the folder locked. Two locks are taken:
// - on the folder itself, so that every path to it (a link, a bind mount)
//   meets the same lock, and deleting or replacing ".zuvelo.lock" while the
//   program runs lets nobody in;
// - on the file ".zuvelo.lock" in it, which a network file system (NFS)
//   passes on to its server where a folder cannot be locked, so that a
//   second mount of a share meets it too. The file's content is never read.
// The descriptors are closed on exec: a program started from this one (the
// volume control) does not keep the folder locked after it ends.
class FolderLock {
public:
    enum class Claim {
        // This process holds the folder.
        Held,
        // Another copy holds it (another FolderLock of this process too).
        HeldElsewhere,
        // Neither lock can be taken here: the folder cannot tell.
        Unavailable,
    };

    explicit FolderLock(const QString& folder);
    // Releases the folder; the owner lives as long as the process.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes both locks, or none when another copy holds either.
    Claim Take();

    static constexpr const char* FileName = ".zuvelo.lock";

private:
    void Release();

    QString Folder;
    int FolderDescriptor = -1;
    int FileDescriptor = -1;
};
