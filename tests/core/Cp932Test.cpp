#include "core/Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, EncodesJapaneseTheWindowsWay)
{
    EXPECT_EQ(EncodeCp932(QStringLiteral("おおごえ大会")), QByteArray("\x82\xA8\x82\xA8\x82\xB2\x82\xA6\x91\xE5\x89\xEF"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("№")), QByteArray("\x87\x82"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(EncodeCp932(QString(QChar(0x301C))), QByteArray("\x81\x60"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("ﾛｸﾞ")), QByteArray("\xDB\xB8\xDE"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("/home/a b.wav")), QByteArray("/home/a b.wav"));
}

TEST(Cp932, RoundTripsAndRefusesWhatItCannotHold)
{
    const QString text = QStringLiteral("ｻｳﾝﾄﾞ№１ ～ 大会");
    EXPECT_EQ(DecodeCp932(*EncodeCp932(text)), text);
    EXPECT_FALSE(EncodeCp932(QStringLiteral("😀")).has_value());
    EXPECT_FALSE(DecodeCp932(QByteArray("\x82")).has_value());
    EXPECT_FALSE(DecodeCp932(QByteArray("ab\xFD\xFE")).has_value());
    EXPECT_EQ(DecodeCp932(QByteArray()), QString());
}
