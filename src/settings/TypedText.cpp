#include "settings/TypedText.h"

#include "core/Cp932.h"

#include <QList>
#include <cmath>

std::optional<int> AcceptTypedNumber(const QString& text, int low, int high)
{
    // Rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(LeadingNumber(text));
    if (rounded < low || rounded > high)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<QString> UnstorableCharacter(const QString& text)
{
    if (!text.contains(u'"') && EncodeCp932(text))
        return std::nullopt;
    for (const uint codePoint : text.toUcs4()) {
        const auto character32 = static_cast<char32_t>(codePoint);
        const QString character = QString::fromUcs4(&character32, 1);
        if (character == QLatin1String("\"") || !EncodeCp932(character))
            return character;
    }
    return std::nullopt;
}

QString UnstorableCharacterMessage(const QString& character)
{
    return QStringLiteral("「%1」は設定ファイルに保存できないため、入力できません。\n"
                          "（ダブルクォーテーションと、シフトJISにない文字は使えません。）")
        .arg(character);
}
