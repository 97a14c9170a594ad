#include "core/KeptAside.h"

#include "core/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

QString KeptAsideName(const QString& path, const QDateTime& now)
{
    const QFileInfo file(path);
    const QString stem = file.completeBaseName() + QLatin1Char('_') + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString number = attempt > 0 ? QLatin1Char('-') + QString::number(attempt) : QString();
        const QString kept = file.dir().filePath(stem + number + suffix);
        if (!QFileInfo::exists(kept))
            return kept;
    }
    return {};
}

bool MoveAside(const QString& path, const QDateTime& now)
{
    if (!QFileInfo(path).isFile())
        return true;
    const QString kept = KeptAsideName(path, now);
    return !kept.isEmpty() && QFile::rename(path, kept);
}

bool CopyAside(const QString& path, const QDateTime& now)
{
    if (!QFileInfo(path).isFile())
        return true;
    const QString kept = KeptAsideName(path, now);
    return !kept.isEmpty() && CopyFileReplacing(path, kept);
}
