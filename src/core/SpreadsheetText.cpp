#include "core/SpreadsheetText.h"

#include "core/Cp932.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoding runs when its result becomes a string.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool IsCp932(const QByteArray& bytes)
{
    return DecodeCp932(bytes).has_value();
}

// Neither encoding uses the byte of LF inside a character, so lines can be
// tried one by one.
template <class Decodes>
int FirstLineNot(const QByteArray& bytes, Decodes decodes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!decodes(lines[i]))
            return int(i) + 1;
    return 0;
}

}

SpreadsheetText DecodeSpreadsheet(const QByteArray& bytes)
{
    if (bytes.startsWith(ByteOrderMark)) {
        const QByteArray body = bytes.mid(ByteOrderMark.size());
        if (const int line = FirstLineNot(body, IsUtf8))
            return {std::nullopt, line};
        return {QString::fromUtf8(body), 0};
    }
    if (IsUtf8(bytes))
        return {QString::fromUtf8(bytes), 0};
    if (std::optional<QString> text = DecodeCp932(bytes))
        return {std::move(text), 0};
    return {std::nullopt, std::max(FirstLineNot(bytes, IsUtf8), FirstLineNot(bytes, IsCp932))};
}
