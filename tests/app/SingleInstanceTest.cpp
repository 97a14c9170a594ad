#include "app/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(SingleInstanceTest, ASecondCopyThroughABindMountOfTheFolderIsRefused)
{
    QTemporaryDir folder;
    QTemporaryDir other;
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("--bind"), folder.path(), other.path()}) != 0)
        GTEST_SKIP() << "cannot bind-mount a folder here (needs root)";
    SingleInstance first(folder.path());
    EXPECT_TRUE(first.Claim());
    EXPECT_FALSE(SingleInstance(other.path()).Claim());
    QProcess::execute(QStringLiteral("umount"), {other.path()});
}

TEST(SingleInstanceTest, TheLockOfACopyThatDiedIsTakenOver)
{
    QTemporaryDir folder;
    const pid_t child = fork();
    if (child == 0) // ends without releasing, as a killed copy does
        _exit(SingleInstance(folder.path()).Claim() ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(folder.filePath(QLatin1String(SingleInstance::LockFileName))));
    EXPECT_TRUE(SingleInstance(folder.path()).Claim());
}
