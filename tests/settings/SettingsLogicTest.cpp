// The settings windows' rules that need no window: typed numbers, texts a
// settings file can hold, the microphone test's figures and read-out, and
// the start of the volume controls.
#include "core/WavHeader.h"
#include "settings/MicTest.h"
#include "settings/TypedText.h"
#include "settings/VolumeControl.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

TEST(TypedNumber, IsReadFromItsLeadingNumberRoundedHalfToEvenAndRangeChecked)
{
    struct Case {
        const char* Text;
        int Low;
        int High;
        std::optional<int> Accepted;
    };
    const Case cases[] = {
        {"30", 1, 30, 30},    {"31", 1, 30, std::nullopt}, {"2.5", 1, 30, 2},   {"3.5", 1, 30, 4},
        {"12abc", 1, 30, 12}, {"abc", 1, 30, std::nullopt}, {"0.5", 1, 30, std::nullopt}, {" 7", 1, 30, 7},
        {"-20", -20, 20, -20}, {"-21", -20, 20, std::nullopt}, {"", -20, 20, 0},  {"-0.5", -20, 20, 0},
        {"99999999999", 5, 99, std::nullopt}, {"+5", 5, 99, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceptTypedNumber(QString::fromUtf8(c.Text), c.Low, c.High), c.Accepted) << c.Text;
}

TEST(StoredText, AQuoteOrACharacterOutsideCodePage932IsNamed)
{
    EXPECT_EQ(UnstorableCharacter(QStringLiteral("おおごえ大会～№")), std::nullopt);
    EXPECT_EQ(UnstorableCharacter(QStringLiteral("C:\\sound\\v1.wav")), std::nullopt);
    EXPECT_EQ(UnstorableCharacter(QStringLiteral("say \"hi\"")), QStringLiteral("\""));
    EXPECT_EQ(UnstorableCharacter(QStringLiteral("大会한")), QStringLiteral("한"));
    EXPECT_EQ(UnstorableCharacter(QStringLiteral("go😀!")), QStringLiteral("😀")) << "a pair of surrogates is one character";
}

TEST(MicTestFigures, CutBandFollowsTheLevelAtEachWidth)
{
    EXPECT_EQ(CutBandHalfHeight(0, RecordingQuality::Normal), 0);
    EXPECT_EQ(CutBandHalfHeight(7, RecordingQuality::Normal), 8);
    EXPECT_EQ(CutBandHalfHeight(100, RecordingQuality::Normal), 128);
    EXPECT_EQ(CutBandHalfHeight(7, RecordingQuality::Middle), 229);
    EXPECT_EQ(CutBandHalfHeight(100, RecordingQuality::High), 3277);
    EXPECT_EQ(CutLevelText(5), QStringLiteral("5%以下をカット"));
}

TEST(MicTestFigures, HeaderReadsOutNamesAsTextAndFieldsAsHexBytes)
{
    const QStringList lines = HeaderReadout(MakeRecordingHeader(8000, 8, 24000));
    const QStringList expected{
        QStringLiteral("RIFFヘッダ : RIFF"),          QStringLiteral("サイズ　 　: E65D00"),
        QStringLiteral("WAVEヘッダ : WAVE"),          QStringLiteral("fmtﾁｬﾝｸ　　: fmt "),
        QStringLiteral("サイズ　 　: 12000"),         QStringLiteral("ﾌｫｰﾏｯﾄID 　: 10"),
        QStringLiteral("ﾁｬﾝﾈﾙ数  　: 10"),            QStringLiteral("ｻﾝﾌﾟﾘﾝｸﾞ周波数 : 401F00"),
        QStringLiteral("平均ﾃﾞｰﾀ速度　 : 401F00"),    QStringLiteral("ﾌﾟﾛｯｸｻｲｽ゛ : 10"),
        QStringLiteral("1SP Bit数  : 80"),            QStringLiteral("ﾍｯﾀﾞ拡張部SIZE(byte)  : 00"),
        QStringLiteral("DATA       : data"),          QStringLiteral("DATA SIZE  : C05D00"),
    };
    EXPECT_EQ(lines, expected);
}

TEST(MicTestFigures, ScoresAreRightAlignedInFourCharacters)
{
    EXPECT_EQ(ScoreLine(QStringLiteral("測定値"), Points{0}), QStringLiteral("測定値 :    0 点"));
    EXPECT_EQ(ScoreLine(QStringLiteral("最大値"), Points{523}), QStringLiteral("最大値 :  523 点"));
    EXPECT_EQ(ScoreLine(QStringLiteral("積算値"), Points{1523}), QStringLiteral("積算値 : 1523 点"));
}

TEST(MicTestFigures, TheInputLevelIsThePeakOfTheLastFiftyMilliseconds)
{
    // 8 kHz: 400 samples are 50 ms. A loud start, then quieter samples.
    QByteArray eightBit(2000, char(128));
    eightBit[10] = char(0);
    eightBit[1700] = char(128 + 64);
    EXPECT_DOUBLE_EQ(PeakOfLast(eightBit, RecordingQuality::Normal, 50), 0.5);
    EXPECT_DOUBLE_EQ(PeakOfLast(eightBit, RecordingQuality::Normal, 1000), 1.0);
    // 16 kHz, 16 bit: -16384 among silence; a trailing odd byte is no sample.
    QByteArray sixteenBit(3200, char(0));
    sixteenBit[3000] = char(0x00);
    sixteenBit[3001] = char(0xC0);
    sixteenBit.append(char(0x7F));
    EXPECT_DOUBLE_EQ(PeakOfLast(sixteenBit, RecordingQuality::Middle, 50), 0.5);
    EXPECT_DOUBLE_EQ(PeakOfLast(QByteArray(), RecordingQuality::High, 50), 0.0);
}

TEST(VolumeControl, StartsTheProgramWithItsArgumentsOrTellsWhereElseToTurn)
{
    TestFolder folder;
    QString program;
    QStringList arguments;
    const ProgramStart recorder = [&](const QString& p, const QStringList& a) {
        program = p;
        arguments = a;
        return true;
    };
    OpenVolumeControl(folder.Context, QStringLiteral("pavucontrol --tab=4"), recorder);
    EXPECT_EQ(program, QStringLiteral("pavucontrol"));
    EXPECT_EQ(arguments, QStringList{QStringLiteral("--tab=4")});
    OpenVolumeControl(folder.Context, QStringLiteral("\"/opt/sound tools/mixer\" --input; rm -rf x"), recorder);
    EXPECT_EQ(program, QStringLiteral("/opt/sound tools/mixer"));
    EXPECT_EQ(arguments, (QStringList{QStringLiteral("--input;"), QStringLiteral("rm"), QStringLiteral("-rf"), QStringLiteral("x")}))
        << "handed over as words, never to a shell";
    EXPECT_TRUE(folder.Messages.Messages.empty());

    int starts = 0;
    OpenVolumeControl(folder.Context, QString(), [&](const QString&, const QStringList&) { return ++starts, true; });
    OpenVolumeControl(folder.Context, QStringLiteral("pavucontrol"), [](const QString&, const QStringList&) { return false; });
    EXPECT_EQ(starts, 0) << "an empty command line starts nothing";
    const QString message = QStringLiteral("ﾎﾞﾘｭｰﾑの設定ができません！\nｺﾝﾄﾛｰﾙﾊﾟﾈﾙのｻｳﾝﾄﾞ、ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽで\n"
                                           "ｼｽﾃﾑの音量を調節するで\n詳細設定で調節してください。");
    ASSERT_EQ(folder.Messages.Messages.size(), 2u);
    for (const ScriptedMessageBox::Shown& shown : folder.Messages.Messages) {
        EXPECT_EQ(shown.Text, message);
        EXPECT_EQ(shown.Icon, MessageIcon::Warning);
    }
}
