#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Code page 932 (Windows Shift-JIS), the encoding of every text file the
// program reads or writes. Conversion goes through iconv's "CP932", which maps
// characters such as "№", "～" and U+301C the way Windows does.
std::optional<QByteArray> EncodeCp932(const QString& text);
// Bytes that are not valid code page 932 give no text.
std::optional<QString> DecodeCp932(const QByteArray& bytes);

// The characters of `text` that code page 932 cannot hold, each once, in
// order of appearance.
QString CharactersOutsideCp932(const QString& text);
