#include "core/WavHeader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WavHeader, TheHeaderIsFortySixBytesWithAnEmptyFormatExtension)
{
    const QByteArray header = MakeRecordingHeader(48000, 16, 288000);
    const QByteArray expected("RIFF\x26\x65\x04\x00WAVEfmt \x12\x00\x00\x00\x01\x00\x01\x00\x80\xBB\x00\x00"
                              "\x00\x77\x01\x00\x02\x00\x10\x00\x00\x00" "data\x00\x65\x04\x00",
                              46);
    EXPECT_EQ(header, expected);
    const QByteArray normal = MakeRecordingHeader(8000, 8, 0);
    EXPECT_EQ(normal.mid(4, 4), QByteArray("\x26\x00\x00\x00", 4));
    EXPECT_EQ(normal.mid(28, 8), QByteArray("\x40\x1F\x00\x00\x01\x00\x08\x00", 8));
}

TEST(WavHeader, AChunkOfTheLargestSizeIsNotReadAsItsOwnBody)
{
    // "junk" claims 4 GiB; what follows it is its body, not a format chunk.
    const QByteArray header = MakeRecordingHeader(8000, 8, 0);
    const QByteArray file = header.left(12) + QByteArray("junk\xFF\xFF\xFF\xFF", 8) + header.mid(12);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.wav"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();
    EXPECT_FALSE(ReadRecordableFormat(path).has_value());
}
