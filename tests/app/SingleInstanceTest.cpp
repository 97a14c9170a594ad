#include "app/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A second path to a folder, as a bind mount gives it. Needs root.
class BindMount {
public:
    explicit BindMount(const QString& folder) : Mounted(Run(QStringLiteral("mount"), {QStringLiteral("--bind"), folder, Other.path()})) {}
    ~BindMount()
    {
        if (Mounted)
            Run(QStringLiteral("umount"), {Other.path()});
    }
    QTemporaryDir Other;
    const bool Mounted;
};

}

TEST(SingleInstanceTest, ASecondCopyThroughAnotherPathToTheFolderIsRefused)
{
    QTemporaryDir folder;
    BindMount mount(folder.path());
    if (!mount.Mounted)
        GTEST_SKIP() << "cannot bind-mount a folder here (needs root)";
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.Claim());
    EXPECT_FALSE(SingleInstance(mount.Other.path()).Claim());
}

TEST(SingleInstanceTest, TheLockOfACopyThatDiedIsTakenOver)
{
    QTemporaryDir folder;
    const pid_t child = fork();
    if (child == 0) {
        // Ends without releasing, as a killed copy does.
        SingleInstance dying(folder.path());
        _exit(dying.Claim() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(folder.filePath(QLatin1String(SingleInstance::LockFileName)))) << "left behind";
    EXPECT_TRUE(SingleInstance(folder.path()).Claim());
}
