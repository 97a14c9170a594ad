#include "core/EntrantText.h"

#include <QList>
#include <QTextBoundaryFinder>

namespace {

bool BreaksTheLine(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\t' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool TurnsTheTextAround(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

}

int CharacterCount(const QString& text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (graphemes.toNextBoundary() > 0)
        ++count;
    return count;
}

QString OneLineEntrantText(const QString& text)
{
    QString line;
    line.reserve(text.size());
    // CR LF is one line break, so one space.
    const QString lineEnds = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const char32_t c : lineEnds.toUcs4()) {
        if (BreaksTheLine(c))
            line += QLatin1Char(' ');
        else if (!IsControl(c) && !TurnsTheTextAround(c))
            line += QString::fromUcs4(&c, 1);
    }
    return line.trimmed();
}
