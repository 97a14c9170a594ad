#include "core/FolderLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString LockFile(const QTemporaryDir& folder)
{
    return folder.filePath(QLatin1String(FolderLock::FileName));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}

// What a power cut or an older copy leaves in the file keeps nobody out.
TEST(FolderLock, NoContentLeftInTheLockFileKeepsTheFolderLocked)
{
    const QByteArray leftovers[] = {
        "",
        "\0\0\0\0\xFF\xFE garbage",
        // An older copy's lock naming a process that still runs (init).
        "1\nzuvelo\n" + QSysInfo::machineHostName().toUtf8() + "\n",
    };
    for (const QByteArray& leftover : leftovers) {
        QTemporaryDir folder;
        WriteFile(LockFile(folder), leftover);
        EXPECT_EQ(FolderLock(folder.path()).Take(), FolderLock::Claim::Held) << leftover.toStdString();
    }
}

TEST(FolderLock, ASecondClaimIsRefusedByAnyPathAndAfterTheFileIsDeleted)
{
    QTemporaryDir folder;
    QTemporaryDir links;
    const QString link = links.filePath(QStringLiteral("contest"));
    ASSERT_TRUE(QFile::link(folder.path(), link));
    FolderLock first(folder.path());
    ASSERT_EQ(first.Take(), FolderLock::Claim::Held);
    EXPECT_EQ(FolderLock(folder.path()).Take(), FolderLock::Claim::HeldElsewhere);
    EXPECT_EQ(FolderLock(link).Take(), FolderLock::Claim::HeldElsewhere);
    ASSERT_TRUE(QFile::remove(LockFile(folder)));
    EXPECT_EQ(FolderLock(folder.path()).Take(), FolderLock::Claim::HeldElsewhere);
}

TEST(FolderLock, ASecondClaimThroughABindMountOfTheFolderIsRefused)
{
    QTemporaryDir folder;
    QTemporaryDir other;
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("--bind"), folder.path(), other.path()}) != 0)
        GTEST_SKIP() << "cannot bind-mount a folder here (needs root)";
    FolderLock first(folder.path());
    EXPECT_EQ(first.Take(), FolderLock::Claim::Held);
    EXPECT_EQ(FolderLock(other.path()).Take(), FolderLock::Claim::HeldElsewhere);
    QProcess::execute(QStringLiteral("umount"), {other.path()});
}

TEST(FolderLock, TheLockOfACopyThatDiedIsTakenOver)
{
    QTemporaryDir folder;
    const pid_t child = fork();
    if (child == 0) { // ends without releasing, as a killed copy does
        FolderLock held(folder.path());
        _exit(held.Take() == FolderLock::Claim::Held ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(FolderLock(folder.path()).Take(), FolderLock::Claim::Held);
}

TEST(FolderLock, AProgramStartedByTheHolderDoesNotKeepTheFolder)
{
    QTemporaryDir folder;
    QProcess started;
    {
        FolderLock holder(folder.path());
        ASSERT_EQ(holder.Take(), FolderLock::Claim::Held);
        started.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        ASSERT_TRUE(started.waitForStarted());
    }
    EXPECT_EQ(FolderLock(folder.path()).Take(), FolderLock::Claim::Held);
    started.kill();
    started.waitForFinished();
}
