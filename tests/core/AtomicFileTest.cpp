#include "core/AtomicFile.h"

#include "support/SmallFileSystem.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(AtomicFile, OnlyTheTemporariesOfCutShortWritesAreRemoved)
{
    QTemporaryDir dir;
    const QStringList names = {QStringLiteral("KANKYOU1.REC.zuvelo-a1B2c3"), QStringLiteral("xx0001.wav.zuvelo-Zz9Yy8"),
                               QStringLiteral("KANKYOU1.REC"), QStringLiteral("xx0001.wav"), QStringLiteral("notes.zuvelo-abc"),
                               QStringLiteral("KANKYOU1.REC.a1B2c3")};
    for (const QString& name : names)
        ASSERT_TRUE(WriteFileAtomically(dir.filePath(name), "x"));
    RemoveLeftoverTemporaries(dir.path());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU1.REC.a1B2c3"), QStringLiteral("notes.zuvelo-abc"),
                           QStringLiteral("xx0001.wav")}));
}

TEST(AtomicFile, AFullDiskLeavesTheOldFileAndNothingElse)
{
    SmallFileSystem disk(64);
    SKIP_WITHOUT(disk);
    const QString path = disk.Path() + QStringLiteral("/KANKYOU1.REC");
    const QString copy = disk.Path() + QStringLiteral("/xx0001.wav");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_TRUE(WriteFileAtomically(copy, "old take"));

    disk.FillLeaving(8 * 1024);
    EXPECT_FALSE(WriteFileAtomically(path, QByteArray(16 * 1024, 'n'))) << "a write that runs out of space";
    disk.FillLeaving(0);
    EXPECT_FALSE(WriteFileAtomically(path, "n")) << "a write with no space at all";
    EXPECT_FALSE(CopyFileReplacing(path, copy));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral(".filler"), QStringLiteral("KANKYOU1.REC"), QStringLiteral("xx0001.wav")}))
        << "no temporary file is left behind";
}

TEST(AtomicFile, AWriteFlushedLaterReplacesTheFileWholeAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("xx0001.wav"));
    ASSERT_TRUE(WriteFileAtomically(path, {QByteArrayView("header")}, DiskFlush::Later)) << "a new file";
    ASSERT_TRUE(WriteFileAtomically(path, {QByteArrayView("new "), QByteArrayView("take")}, DiskFlush::Later))
        << "over the old one";
    EXPECT_TRUE(SyncFile(path));
    EXPECT_TRUE(SyncFile(dir.filePath(QStringLiteral("xx0002.wav")))) << "nothing to flush";

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("new take"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("xx0001.wav")});
}
