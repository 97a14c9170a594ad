#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program on the same program folder from running.
// The claim is a lock file in the folder itself, so every path that reaches
// the folder (a bind mount, a second mount of one share) meets the same
// lock. The lock of a copy that died without releasing it is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& programFolder);
    ~SingleInstance();

    // True when this process now holds the folder, or when the folder cannot
    // hold a lock at all (the check is then skipped); false when another
    // running copy holds it.
    bool Claim();

    static constexpr const char* LockFileName = ".zuvelo.lock";

private:
    std::unique_ptr<QLockFile> Lock;
};
