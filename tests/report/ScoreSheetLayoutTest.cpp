#include "report/ScoreSheetLayout.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

ScoreSheet SheetOf(int entryNo, int total)
{
    ScoreSheet sheet;
    sheet.EntryNo = entryNo;
    sheet.Title = QStringLiteral("おおごえ大会");
    sheet.MeasureSeconds = 5;
    sheet.MeasuredAt = QStringLiteral("2024/05/06 07:08:09");
    sheet.TotalPoints = total;
    sheet.MaxPoints = 700;
    sheet.IntegPoints = 35;
    sheet.Quality = RecordingQuality::High;
    sheet.NoiseCutLevel = 10;
    return sheet;
}

QString TextAt(const std::vector<SheetText>& texts, int y)
{
    for (const SheetText& text : texts)
        if (text.Y == y)
            return text.Text;
    return QStringLiteral("<none>");
}

}

TEST(ScoreSheetLayout, TheEntrantsLinesCarryRightAlignedNumbers)
{
    const std::vector<SheetText> texts = ScoreSheetTexts(SheetOf(7, 35));
    EXPECT_EQ(TextAt(texts, 250), QStringLiteral("おおごえ大会"));
    EXPECT_EQ(TextAt(texts, 480), QStringLiteral("エントリー№ ：  7"));
    EXPECT_EQ(TextAt(texts, 560), QStringLiteral("発声時刻     ： 2024/05/06 07:08:09"));
    EXPECT_EQ(TextAt(texts, 640), QStringLiteral("測定時間     ：    5 秒"));
    EXPECT_EQ(TextAt(texts, 720), QStringLiteral("成    績     ：   35 点"));
    EXPECT_EQ(TextAt(texts, 800), QStringLiteral("最 大 値     ：  700 点"));
    EXPECT_EQ(TextAt(texts, 880), QStringLiteral("積 算 値     ：   35 点"));
    EXPECT_EQ(TextAt(texts, 2750), QStringLiteral("(計測音質 : PCM 48KHz 16BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 10%以下をｶｯﾄ)"));

    EXPECT_EQ(TextAt(ScoreSheetTexts(SheetOf(1234, 1500)), 720), QStringLiteral("成    績     ： 1500 点"));
    EXPECT_EQ(TextAt(texts, 950), QStringLiteral("<none>")) << "no level line without levels";
    ScoreSheet levelled = SheetOf(7, 35);
    levelled.SoundLevel = EntrantLevel{112.34, 125.0, 104.2, false, 101.5, 50};
    EXPECT_EQ(TextAt(ScoreSheetTexts(levelled), 950), QStringLiteral("音圧レベル　最大 112.3 dB(A)　マイクから 50 cm"));
}

TEST(ScoreSheetLayout, TheQualityLineNamesEachRecordingQuality)
{
    EXPECT_EQ(QualityLine(RecordingQuality::Normal, 5), QStringLiteral("(計測音質 : PCM 8KHz 8BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 5%以下をｶｯﾄ)"));
    EXPECT_EQ(QualityLine(RecordingQuality::Middle, 0), QStringLiteral("(計測音質 : PCM 16KHz 16BIT  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : 0%以下をｶｯﾄ)"));
    EXPECT_EQ(QualityLine(static_cast<RecordingQuality>(3), 5), QString());
    EXPECT_EQ(QualityLine(static_cast<RecordingQuality>(-1), 5), QString());
}

TEST(ScoreSheetLayout, TheTimeAxisDividesTheMeasurementTimeInTenths)
{
    QStringList three;
    QStringList thirty;
    for (const SheetText& text : ScoreGraphTexts(1450, 3))
        if (text.Y == 1450 + 820)
            three << text.Text;
    for (const SheetText& text : ScoreGraphTexts(1450, 30))
        if (text.Y == 1450 + 820)
            thirty << text.Text;
    EXPECT_EQ(three.join(QLatin1Char(' ')), QStringLiteral("0 0.3 0.6 0.9 1.2 1.5 1.8 2.1 2.4 2.7 3.0"));
    EXPECT_EQ(thirty.join(QLatin1Char(' ')), QStringLiteral("0 3.0 6.0 9.0 12.0 15.0 18.0 21.0 24.0 27.0 30.0"));
}

TEST(ScoreSheetLayout, NameAndGroupStandUnderTheHeadingOnlyWhenGivenAndALongOneEndsInsideTheMargin)
{
    ScoreSheet sheet = SheetOf(7, 35);
    EXPECT_EQ(ScoreSheetTexts(sheet).size(), 11u) << "a sheet without a name is as it was";
    sheet.Name = QStringLiteral("山田 太郎");
    std::vector<SheetText> texts = ScoreSheetTexts(sheet);
    EXPECT_EQ(TextAt(texts, 360), QStringLiteral("氏名　山田 太郎"));
    EXPECT_EQ(TextAt(texts, 410), QStringLiteral("<none>"));
    sheet.Name = QString(40, QChar(u'寿'));
    sheet.Group = QString(40, QChar(u'Ｗ'));
    texts = ScoreSheetTexts(sheet);
    for (const SheetText& text : texts) {
        if (text.Y != 360 && text.Y != 410)
            continue;
        EXPECT_LE(text.X + 43 * text.Points * 254.0 / 72.0, PageWidth - 170) << text.Text.toStdString();
        EXPECT_GE(text.Points, 10);
    }
    EXPECT_EQ(TextAt(texts, 410), QStringLiteral("所属　") + sheet.Group);
}
