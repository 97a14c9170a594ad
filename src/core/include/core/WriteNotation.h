#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// The sequential "write" notation of the settings files: one value per line,
// lines ended by CR LF, numbers in decimal, booleans #TRUE# / #FALSE#, texts in
// double quotes, all text in code page 932.
class WriteNotationWriter {
public:
    void WriteInteger(int32_t value);
    void WriteBoolean(bool value);
    // A text that contains a double quote or a character outside code page 932
    // cannot be written; the writer then reports failure from Ok().
    void WriteText(const QString& text);

    bool Ok() const { return Written; }
    const QByteArray& Bytes() const { return Output; }

private:
    void AppendLine(const QByteArray& line);

    QByteArray Output;
    bool Written = true;
};

// Reads values one line at a time. Each Read returns false, and leaves the
// target alone, on a missing line, invalid code page 932 bytes or a value of
// the wrong kind or range; the caller stops at the first failure.
class WriteNotationReader {
public:
    explicit WriteNotationReader(const QByteArray& bytes);

    bool ReadInteger(int16_t& value);
    bool ReadLong(int32_t& value);
    bool ReadBoolean(bool& value);
    bool ReadText(QString& value);

private:
    bool NextLine(QString& line);
    bool ReadNumber(int64_t low, int64_t high, int64_t& value);

    QList<QByteArray> Lines;
    qsizetype NextIndex = 0;
};
