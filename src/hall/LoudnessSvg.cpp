#include "hall/LoudnessSvg.h"

#include <QString>
#include <algorithm>

namespace {

constexpr int Columns = 600;
constexpr int Height = 240;
constexpr double Half = Height / 2.0;

std::string Text(const QString& text)
{
    return text.toStdString();
}

std::string HorizontalLine(double y, const char* colour)
{
    return Text(QStringLiteral("<line x1=\"0\" y1=\"%1\" x2=\"%2\" y2=\"%1\" stroke=\"%3\"/>")
                    .arg(y, 0, 'f', 1)
                    .arg(Columns)
                    .arg(QLatin1String(colour)));
}

}

std::string LoudnessSvg(std::span<const int16_t> levels, SampleWidth width, int noiseCutLevel)
{
    const double fullScale = width == SampleWidth::Bits8 ? 128.0 : 32768.0;
    std::string svg = Text(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\">"
                                          "<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"#fff\" stroke=\"#000\"/>")
                               .arg(Columns)
                               .arg(Height));
    for (int division = 1; division < 10; ++division)
        svg += Text(QStringLiteral("<line x1=\"%1\" y1=\"0\" x2=\"%1\" y2=\"%2\" stroke=\"#ccc\"/>")
                        .arg(division * Columns / 10)
                        .arg(Height));
    const double noise = Half * noiseCutLevel / 100.0;
    svg += HorizontalLine(Half - noise, "#e67e22") + HorizontalLine(Half + noise, "#e67e22") + HorizontalLine(Half, "#888");
    std::string path;
    const size_t count = levels.size();
    for (size_t column = 0; column < Columns && column * count / Columns < count; ++column) {
        const size_t first = column * count / Columns;
        const size_t end = std::clamp((column + 1) * count / Columns, first + 1, count);
        const auto [low, high] = std::minmax_element(levels.begin() + first, levels.begin() + end);
        path += Text(QStringLiteral("M%1.5 %2V%3")
                         .arg(column)
                         .arg(Half - *high * Half / fullScale, 0, 'f', 1)
                         .arg(Half - *low * Half / fullScale, 0, 'f', 1));
    }
    svg += "<path d=\"" + path + "\" stroke=\"#1e2a5c\" fill=\"none\"/></svg>";
    return svg;
}
