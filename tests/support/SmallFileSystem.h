#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/statvfs.h>

// A real file system of a few pages (tmpfs), mounted for one test, so that a
// disk can be filled up for real. Mounting needs root; tests skip without it.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes)
    {
        IsMounted = Run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                  QStringLiteral("size=%1k").arg(kilobytes), QStringLiteral("tmpfs"), Dir.path()});
    }

    ~SmallFileSystem()
    {
        if (IsMounted)
            Run(QStringLiteral("umount"), {Dir.path()});
    }

    bool Mounted() const { return IsMounted; }
    QString Path() const { return Dir.path(); }

    qint64 FreeBytes() const
    {
        struct statvfs stats {};
        return statvfs(QFile::encodeName(Dir.path()).constData(), &stats) == 0 ? qint64(stats.f_bavail) * qint64(stats.f_bsize) : -1;
    }

    // Fills the disk with a file of its own until at most `leftBytes` are free.
    void FillLeaving(qint64 leftBytes)
    {
        QFile filler(Dir.filePath(QStringLiteral(".filler")));
        ASSERT_TRUE(filler.open(QIODevice::Append | QIODevice::Unbuffered));
        const QByteArray page(4096, 'f');
        while (FreeBytes() > leftBytes && filler.write(page) == page.size()) {
        }
    }

private:
    static bool Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QTemporaryDir Dir;
    bool IsMounted = false;
};

#define SKIP_WITHOUT(fileSystem) \
    if (!(fileSystem).Mounted())  \
    GTEST_SKIP() << "cannot mount a small file system here (needs root)"
