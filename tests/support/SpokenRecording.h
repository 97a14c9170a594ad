#pragma once

#include "core/WavHeader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A recording file as the measurement stores it, holding a spoken phrase
// (espeak-ng, converted by sox) said over and over for `seconds`: real
// speech with its pauses, loud syllables and quiet tails.
// `quality` 0 gives 8 kHz 8-bit, 1 16 kHz 16-bit, 2 48 kHz 16-bit. Empty
// when the tools are missing.
inline QByteArray SpokenRecordingFile(int quality, double seconds)
{
    QTemporaryDir work;
    const QString phrase = work.filePath(QStringLiteral("phrase.wav"));
    const QString raw = work.filePath(QStringLiteral("phrase.raw"));
    const int rate = quality == 0 ? 8000 : quality == 1 ? 16000 : 48000;
    const int bits = quality == 0 ? 8 : 16;
    if (QProcess::execute(QStringLiteral("espeak-ng"), {QStringLiteral("-a"), QStringLiteral("200"), QStringLiteral("-w"), phrase,
                                                        QStringLiteral("Louder! Louder! The loudest voice wins the contest!")}) != 0)
        return {};
    const QStringList convert = {QStringLiteral("-D"), phrase, QStringLiteral("-r"), QString::number(rate), QStringLiteral("-c"),
                                 QStringLiteral("1"), QStringLiteral("-b"), QString::number(bits), QStringLiteral("-e"),
                                 bits == 8 ? QStringLiteral("unsigned-integer") : QStringLiteral("signed-integer"),
                                 QStringLiteral("-t"), QStringLiteral("raw"), raw, QStringLiteral("gain"), QStringLiteral("-n"),
                                 QStringLiteral("-1")};
    if (QProcess::execute(QStringLiteral("sox"), convert) != 0)
        return {};
    QFile file(raw);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray speech = file.readAll();
    if (speech.isEmpty())
        return {};
    const qsizetype bytes = qsizetype(seconds * rate) * (bits / 8);
    QByteArray data;
    data.reserve(bytes);
    while (data.size() < bytes)
        data += speech.left(bytes - data.size());
    return MakeRecordingHeader(uint32_t(rate), uint16_t(bits), uint32_t(data.size())) + data;
}
