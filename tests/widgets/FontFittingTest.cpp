#include "widgets/FontFitting.h"

#include "support/WidgetTestSupport.h"
#include "widgets/DesktopSetup.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>
#include <random>

namespace {

// The obvious fitting: every size in turn until the first that overflows.
int SizeBySizeFit(int first, int last, int step, double maxWidth, double maxHeight,
                  const std::function<QSizeF(int size)>& measure)
{
    int size = first;
    for (; size <= last; size += step) {
        const QSizeF text = measure(size);
        if (text.width() > maxWidth || text.height() > maxHeight)
            break;
    }
    return size - 10;
}

TEST(FontFittingTest, AgreesWithTheSizeBySizeWalkOnAnyGrowingText)
{
    std::mt19937 random(7);
    for (int run = 0; run < 2000; ++run) {
        const int step = std::uniform_int_distribution<int>(1, 20)(random);
        const int first = std::uniform_int_distribution<int>(1, 40)(random);
        const int last = first + std::uniform_int_distribution<int>(-step, 1000)(random);
        const double widthPerPoint = std::uniform_real_distribution<double>(0.01, 20)(random);
        const double heightPerPoint = std::uniform_real_distribution<double>(0.01, 5)(random);
        // Whole-pixel sizes and boxes, so that a text exactly as large as its box occurs.
        const auto measure = [&](int size) { return QSizeF(std::floor(size * widthPerPoint), std::floor(size * heightPerPoint)); };
        const double maxWidth = std::uniform_int_distribution<int>(0, 4000)(random);
        const double maxHeight = std::uniform_int_distribution<int>(0, 2000)(random);
        ASSERT_EQ(FitFontSize(first, last, step, maxWidth, maxHeight, measure),
                  SizeBySizeFit(first, last, step, maxWidth, maxHeight, measure))
            << "sizes " << first << ".." << last << " by " << step << ", box " << maxWidth << " x " << maxHeight;
    }
}

// The score and the band of the measurement screen in the fonts they are
// shown in: real metrics, rounded as the font engine rounds them.
TEST(FontFittingTest, AgreesWithTheSizeBySizeWalkForTheScreenFonts)
{
    EnsureApplication();
    InstallFontSubstitutions();
    const QSizeF boxes[] = {{800, 480}, {1920, 864}, {3840, 1728}, {320, 192}};
    for (const char* family : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝"}) {
        for (const bool bold : {false, true}) {
            QFont font(QString::fromUtf8(family));
            font.setBold(bold);
            for (const char* text : {"0", "7", "125", "1999", "次は 12番"}) {
                const auto measure = [&font, text](int size) {
                    font.setPointSize(size);
                    return QFontMetricsF(font).size(0, QString::fromUtf8(text));
                };
                for (const int step : {5, 10}) {
                    for (const QSizeF& box : boxes) {
                        EXPECT_EQ(FitFontSize(20, 1000, step, box.width(), box.height(), measure),
                                  SizeBySizeFit(20, 1000, step, box.width(), box.height(), measure))
                            << family << (bold ? " bold " : " ") << text << " by " << step << " in " << box.width() << " x "
                            << box.height();
                    }
                }
            }
        }
    }
}

}
