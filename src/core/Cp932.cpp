#include "core/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

std::optional<QByteArray> Convert(const char* to, const char* from, const QByteArray& input)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::vector<char> output(static_cast<size_t>(input.size()) * 4 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    const bool flushed = converted != static_cast<size_t>(-1) && iconv(converter, nullptr, nullptr, &out, &outLeft) != static_cast<size_t>(-1);
    iconv_close(converter);
    if (!flushed || inLeft != 0)
        return std::nullopt;
    return QByteArray(output.data(), static_cast<qsizetype>(output.size() - outLeft));
}

}

std::optional<QByteArray> EncodeCp932(const QString& text)
{
    return Convert("CP932", "UTF-8", text.toUtf8());
}

std::optional<QString> DecodeCp932(const QByteArray& bytes)
{
    const std::optional<QByteArray> utf8 = Convert("UTF-8", "CP932", bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

QString CharactersOutsideCp932(const QString& text)
{
    QString outside;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!EncodeCp932(character) && !outside.contains(character))
            outside += character;
        i += length - 1;
    }
    return outside;
}
