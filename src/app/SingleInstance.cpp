#include "app/SingleInstance.h"

#include <QDir>
#include <QLockFile>

SingleInstance::SingleInstance(const QString& programFolder)
    : Lock(std::make_unique<QLockFile>(QDir(programFolder).filePath(QLatin1String(LockFileName))))
{
    // A running copy holds its lock however long the contest lasts; only a
    // lock whose process is gone is stale.
    Lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim()
{
    if (Lock->isLocked() || Lock->tryLock(0))
        return true;
    if (Lock->error() == QLockFile::LockFailedError)
        return false;
    // Without a lock the check cannot be made; rather let the operator work.
    qWarning("single-instance check unavailable on %s", qPrintable(Lock->fileName()));
    return true;
}
