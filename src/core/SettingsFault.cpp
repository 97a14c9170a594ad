#include "core/SettingsFault.h"

#include "core/Cp932.h"

namespace {

// Long enough for any value a settings window writes; junk is cut.
constexpr qsizetype ShownCharacters = 40;

QString Shown(const QByteArray& line)
{
    QString text = DecodeCp932(line).value_or(QString::fromLatin1(line));
    for (QChar& c : text) {
        if (!c.isPrint())
            c = u'?';
    }
    return text.size() > ShownCharacters ? text.left(ShownCharacters) + QStringLiteral("…") : text;
}

}

QString MissingFileFault(const QString& fileName)
{
    return QStringLiteral("%1 がありません。").arg(fileName);
}

QString UnreadableFileFault(const QString& fileName)
{
    return QStringLiteral("%1 を読み込めません。").arg(fileName);
}

QString LineFault(const QString& fileName, const QByteArray& bytes, qsizetype line)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (line < 1 || line > lines.size())
        return QStringLiteral("%1 の %2行目がありません。").arg(fileName).arg(line);
    QByteArray value = lines[line - 1];
    if (value.endsWith('\r'))
        value.chop(1);
    return QStringLiteral("%1 の %2行目「%3」は使えない値です。").arg(fileName).arg(line).arg(Shown(value));
}
