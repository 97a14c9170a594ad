#include "app/ContestFolder.h"

#include "core/AtomicFile.h"
#include "widgets/MessageBoxService.h"
#include "core/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

namespace {

QString Shown(const QString& folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

QString CannotCreate(const QString& folder)
{
    return QStringLiteral("大会のデータを置くフォルダーを作れません。\n%1\nフォルダーの場所と書き込みの権限を確かめてください。")
        .arg(Shown(folder));
}

QString CannotWrite(const QString& folder)
{
    return QStringLiteral("大会のデータを置くフォルダーに書き込めません。\n%1\nフォルダーの書き込みの権限とディスクの空きを確かめてください。")
        .arg(Shown(folder));
}

// Copies `name` from `from` unless `to` already holds a file of that name,
// in whatever letter case.
bool CopyIfMissing(const QString& name, const ProgramFolder& from, const ProgramFolder& to)
{
    const QString target = to.FilePath(name);
    if (QFileInfo::exists(target))
        return true;
    QFile source(from.FilePath(name));
    if (!source.open(QIODevice::ReadOnly))
        return true; // an incomplete installation: the program reports what it misses when it needs it
    const QByteArray bytes = source.readAll();
    return source.error() == QFileDevice::NoError && WriteFileAtomically(target, bytes);
}

}

const QStringList& DeliveredProgramFiles()
{
    static const QStringList files{
        QStringLiteral("mksrc.wav"), QStringLiteral("mksrc16.wav"), QStringLiteral("mksrc48.wav"),
        QStringLiteral("start.wav"), QStringLiteral("stop.wav"),     QStringLiteral("v1.wav"),
        QStringLiteral("v2.wav"),    QStringLiteral("v3.wav"),       QStringLiteral("v4.wav"),
        QStringLiteral("v5.wav"),    QStringLiteral("zuvelo.png"),   QStringLiteral("menu.png"),
        QStringLiteral("go.ico"),    QStringLiteral("next.ico")};
    return files;
}

bool HoldsDeliveredFiles(const QString& folder)
{
    const ProgramFolder program(folder);
    for (const QString& name : DeliveredProgramFiles()) {
        if (!QFileInfo(program.FilePath(name)).isFile())
            return false;
    }
    return true;
}

bool IsWritableFolder(const QString& folder)
{
    // Made the way an atomic write makes its temporary file, so that one a
    // crash left behind is removed at the next start.
    QTemporaryFile probe(folder + QStringLiteral("/.write-check.zuvelo-XXXXXX"));
    return probe.open();
}

QString ChooseContestFolder(const QString& requested, const QString& executableFolder, const QString& userDataFolder)
{
    if (!requested.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(requested));
    if (HoldsDeliveredFiles(executableFolder) && IsWritableFolder(executableFolder))
        return QDir::cleanPath(executableFolder);
    return QDir::cleanPath(userDataFolder + QStringLiteral("/zuvelo"));
}

QString DeliveredDataFolder(const QString& executableFolder)
{
    const QString installed = QDir::cleanPath(executableFolder + QLatin1Char('/') + QStringLiteral(ZUVELO_DATA_FROM_BINARY));
    if (HoldsDeliveredFiles(installed))
        return installed;
    if (HoldsDeliveredFiles(executableFolder))
        return QDir::cleanPath(executableFolder);
    return {};
}

QStringList ManualFolderCandidates(const QString& executableFolder)
{
    const QString installed = QDir::cleanPath(executableFolder + QLatin1Char('/') + QStringLiteral(ZUVELO_DATA_FROM_BINARY));
    QStringList folders{installed + QStringLiteral("/manual"), QDir::cleanPath(executableFolder) + QStringLiteral("/manual")};
    folders.removeDuplicates();
    return folders;
}

std::optional<QString> PrepareContestFolder(const QString& folder, const QString& dataFolder)
{
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return CannotCreate(folder);
    if (!IsWritableFolder(folder))
        return CannotWrite(folder);
    if (dataFolder.isEmpty() || QFileInfo(dataFolder) == QFileInfo(folder))
        return std::nullopt;
    const ProgramFolder from(dataFolder);
    const ProgramFolder to(folder);
    for (const QString& name : DeliveredProgramFiles() + QStringList{DeliveredSetupRequest}) {
        if (!CopyIfMissing(name, from, to))
            return CannotWrite(folder);
    }
    return std::nullopt;
}

std::optional<QString> OpenContestFolder(const QString& requested, const QString& executableFolder,
                                         MessageBoxService& messages)
{
    const QString folder = ChooseContestFolder(requested, executableFolder,
                                               QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const std::optional<QString> failure = PrepareContestFolder(folder, DeliveredDataFolder(executableFolder));
    if (!failure)
        return folder;
    std::fprintf(stderr, "zuvelo: %s\n", failure->toUtf8().constData());
    messages.Inform(*failure, MessageIcon::Error);
    return std::nullopt;
}
