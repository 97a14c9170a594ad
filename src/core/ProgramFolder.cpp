#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramFolder::ProgramFolder(QString path) : FolderPath(QDir::cleanPath(std::move(path))) {}

QString ProgramFolder::FilePath(const QString& name) const
{
    const QString exact = FolderPath + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(FolderPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return FolderPath + QLatin1Char('/') + entry;
    }
    return exact;
}

QString ProgramFolder::Resolve(const QString& setting) const
{
    return QDir::isAbsolutePath(setting) ? setting : FilePath(setting);
}

QString ProgramFolder::OfExecutable()
{
    return QCoreApplication::applicationDirPath();
}
