#include "core/ProgramFolder.h"

#include "support/StoreFolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, FindsFilesWithoutRegardToLetterCase)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("mksrc.wav"), "x");
    folder.Write(QStringLiteral("MK1.wav"), "y");
    const ProgramFolder& programFolder = folder.Context.Folder;
    EXPECT_EQ(programFolder.FilePath(QStringLiteral("MKSRC.WAV")), folder.Path(QStringLiteral("mksrc.wav")));
    EXPECT_EQ(programFolder.FilePath(QStringLiteral("mk1.wav")), folder.Path(QStringLiteral("MK1.wav")));
    EXPECT_EQ(programFolder.FilePath(QStringLiteral("mksrc.wav")), folder.Path(QStringLiteral("mksrc.wav")));
}

TEST(ProgramFolder, NamesANewFileAsAsked)
{
    StoreFolder folder;
    EXPECT_EQ(folder.Context.Folder.FilePath(QStringLiteral("KANKYOU1.REC")), folder.Path(QStringLiteral("KANKYOU1.REC")));
}

TEST(ProgramFolder, ASettingsFileNameIsFoundInTheFolderWhateverTheCurrentFolder)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("Fanfare.WAV"), "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    EXPECT_EQ(folder.Context.Folder.Resolve(QStringLiteral("fanfare.wav")), folder.Path(QStringLiteral("Fanfare.WAV")));
    EXPECT_EQ(folder.Context.Folder.Resolve(QStringLiteral("/media/効果音/ok.wav")), QStringLiteral("/media/効果音/ok.wav"));
    QDir::setCurrent(before);
}
