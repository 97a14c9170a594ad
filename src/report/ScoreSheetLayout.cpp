#include "report/ScoreSheetLayout.h"

#include "core/DisplayFormat.h"

#include <QList>
#include <algorithm>
#include <cmath>

namespace {

constexpr int TextLeft = 170;
constexpr int GridStep = 162;

// The size of a line of the heading block, 12 points or smaller so that it
// ends inside the right margin: a wide (CJK, full-width) character takes an
// em, any other half of one.
int HeadingLinePoints(const QString& line)
{
    constexpr double PageUnitsPerPoint = 254.0 / 72.0;
    double ems = 0;
    for (const char32_t c : line.toUcs4())
        ems += c >= 0x2E80 && !(c >= 0xFF61 && c <= 0xFFDC) ? 1.0 : 0.5;
    return std::min(12, static_cast<int>((PageWidth - 2 * TextLeft) / (ems * PageUnitsPerPoint)));
}

// A number written in four characters, right-aligned.
QString Cell4(double value)
{
    return NumberCell(static_cast<int64_t>(std::nearbyint(value)), 4);
}

}

std::vector<SheetText> ScoreSheetTexts(const ScoreSheet& sheet)
{
    const auto gothic = [](int y, const QString& text) { return SheetText{TextLeft, y, SheetFace::Gothic, 12, text}; };
    const auto note = [](int y, const QString& text) {
        return SheetText{TextLeft, y, SheetFace::ProportionalGothic, 8, text};
    };
    std::vector<SheetText> texts = {
        SheetText{TextLeft, 250, SheetFace::Gothic, 24, sheet.Title},
        gothic(480, QStringLiteral("エントリー№ ： ") + FormatNumber(sheet.EntryNo)),
        gothic(560, QStringLiteral("発声時刻     ： ") + sheet.MeasuredAt),
        gothic(640, QStringLiteral("測定時間     ： ") + Cell4(sheet.MeasureSeconds) + QStringLiteral(" 秒")),
        gothic(720, QStringLiteral("成    績     ： ") + Cell4(sheet.TotalPoints) + QStringLiteral(" 点")),
        gothic(800, QStringLiteral("最 大 値     ： ") + Cell4(sheet.MaxPoints) + QStringLiteral(" 点")),
        gothic(880, QStringLiteral("積 算 値     ： ") + Cell4(sheet.IntegPoints) + QStringLiteral(" 点")),
        note(1000, QStringLiteral("※　最大値と積算値は１０００点満点中の点数です。成績は最大値＋積算値の合計です。")),
        note(1040, QStringLiteral("※　最大値について　例えば計測時間中に10000回音量をスキャンしたとすれば､上位10%､"
                                  "音の大きい順に1000回分のデータの合計です。")),
        note(1080, QStringLiteral("※　積算値について　計測時間中にスキャナしたすべての音量の合計です。")),
        SheetText{1050, 2750, SheetFace::Gothic, 8, QualityLine(sheet.Quality, sheet.NoiseCutLevel)},
    };
    // Between the heading and the entry number, where a sheet without a name
    // has nothing: every other line keeps its place.
    const auto fitted = [](int y, const QString& text) {
        return SheetText{TextLeft, y, SheetFace::Gothic, HeadingLinePoints(text), text};
    };
    // Under the scores, above the notes, where a sheet without levels has nothing.
    if (const std::optional<EntrantLevel>& level = sheet.SoundLevel)
        texts.push_back({TextLeft, 950, SheetFace::Gothic, 10,
                         QStringLiteral("音圧レベル　最大 %1　マイクから %2 cm")
                             .arg(SoundLevelText(level->LAFmax, level->Clipped))
                             .arg(level->DistanceCm)});
    if (!sheet.Name.isEmpty())
        texts.push_back(fitted(360, QStringLiteral("氏名　") + sheet.Name));
    if (!sheet.Name.isEmpty() && !sheet.Group.isEmpty())
        texts.push_back(fitted(410, QStringLiteral("所属　") + sheet.Group));
    return texts;
}

std::vector<SheetText> ScoreGraphTexts(int graphTop, int measureSeconds)
{
    std::vector<SheetText> texts;
    const auto add = [&texts](int x, int y, const QString& text) { texts.push_back({x, y, SheetFace::Gothic, 12, text}); };
    for (int e = 0; e <= 10; ++e) {
        const QString mark = e == 0 || e == 10 ? QStringLiteral(" *") : e == 5 ? QStringLiteral(" +") : QStringLiteral(" ･");
        add(220, graphTop + 80 * e - 20, mark);
    }
    const QString axisTitle = QStringLiteral("音量ＬＥＶＥＬ");
    for (int f = 0; f < axisTitle.size(); ++f)
        add(160, graphTop + 120 + 80 * f, axisTitle.mid(f, 1));
    add(280, graphTop + 820, QStringLiteral("0"));
    for (int l = 1; l <= 10; ++l)
        add(280 + GridStep * l, graphTop + 820, TimeAxisLabel(measureSeconds, l));
    add(1030, graphTop + 880, QStringLiteral("時間(秒)"));
    add(850, graphTop - 90, QStringLiteral("音声測定　成績グラフ"));
    return texts;
}

QString TimeAxisLabel(int measureSeconds, int tick)
{
    return QString::number(measureSeconds * tick / 10.0, 'f', 1);
}

QString QualityLine(RecordingQuality quality, int noiseCutLevel)
{
    static const char* const qualities[] = {"PCM 8KHz 8BIT", "PCM 16KHz 16BIT", "PCM 48KHz 16BIT"};
    if (!IsKnownQuality(quality))
        return {};
    return QStringLiteral("(計測音質 : %1  ﾉｲｽﾞｶｯﾄﾚﾍﾞﾙ : %2%以下をｶｯﾄ)")
        .arg(QLatin1String(qualities[static_cast<int>(quality)]))
        .arg(noiseCutLevel);
}

double GraphLevelScale(RecordingQuality quality)
{
    return SampleWidthOf(quality) == SampleWidth::Bits8 ? 400.0 / 128 : 400.0 / 32768;
}
