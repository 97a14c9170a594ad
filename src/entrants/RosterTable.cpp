#include "entrants/RosterTable.h"

#include "core/ContestValues.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr int RowsAfterNextEntrant = 50;

QString RowText(const CsvRecord& row)
{
    QString text = QStringLiteral("%1行目：").arg(row.Line);
    for (const QString& cell : row.Fields)
        text += QStringLiteral("「%1」").arg(cell);
    return text;
}

}

int RosterTableRows(int nextEntryNo, const EntrantRoster& roster)
{
    const int highestNamed = roster.IsEmpty() ? 0 : roster.Entries().rbegin()->first;
    return std::min(MaxEntrants, std::max(nextEntryNo + RowsAfterNextEntrant, highestNamed));
}

std::optional<QString> OverLimitMessage(const QString& text)
{
    if (CharacterCount(text) <= MaxEntrantTextLength)
        return std::nullopt;
    return QStringLiteral("名前と所属は%1文字までです。").arg(MaxEntrantTextLength);
}

QString ImportFaultMessage(const EntrantImport& import, const QString& file)
{
    const QString path = QDir::toNativeSeparators(file);
    // Line 0: the file could not be opened at all.
    const QString where = import.Line > 0 ? QStringLiteral("(%1 %2行目)").arg(path).arg(import.Line) : QStringLiteral("(%1)").arg(path);
    switch (import.Problem) {
    case EntrantImport::Fault::BadNumber:
        return QStringLiteral("エントリーNoが正しくありません。%1\n1～%2の番号を重複なく指定してください。").arg(where).arg(MaxEntrants);
    case EntrantImport::Fault::TooLong:
        return QStringLiteral("名前と所属は%1文字までです。%2").arg(MaxEntrantTextLength).arg(where);
    case EntrantImport::Fault::NoNames:
        return QStringLiteral("名前を1件も読み込めませんでした。%1\n名簿は変わりません。").arg(where);
    case EntrantImport::Fault::Unreadable:
    case EntrantImport::Fault::None:
        break;
    }
    return QStringLiteral("CSVファイルを読めません。%1\nUTF-8またはShift-JISのCSVファイルを選んでください。").arg(where);
}

QString FirstRowQuestion(const EntrantImport& import)
{
    QStringList lines{QStringLiteral("番号の列がないため、上の行から順に1番、2番…とします。"),
                      QStringLiteral("1行目は見出しですか？"), QString()};
    for (const CsvRecord& row : import.FirstRows)
        lines << RowText(row);
    lines << QString();
    const CsvRecord& first = import.FirstRows.front();
    if (import.FirstRows.size() > 1) {
        const CsvRecord& second = import.FirstRows.back();
        lines << QStringLiteral("はい：%1行目を見出しとして飛ばします（%2行目が1番「%3」）。")
                     .arg(first.Line)
                     .arg(second.Line)
                     .arg(second.Fields.value(0));
    } else {
        lines << QStringLiteral("はい：%1行目を見出しとして飛ばします。").arg(first.Line);
    }
    lines << QStringLiteral("いいえ：%1行目も名前として読みます（%1行目が1番「%2」）。").arg(first.Line).arg(first.Fields.value(0))
          << QStringLiteral("キャンセル：読み込みません。");
    return lines.join(QLatin1Char('\n'));
}

QString ChangedRosterQuestion(const QString& file)
{
    return QStringLiteral("名簿ファイルが、この画面で読み込んだ後に書き換えられています。(%1)\n\n"
                          "はい：この画面の名簿を登録し、ファイルの名簿は名前に日時を付けて残します。\n"
                          "いいえ：ファイルの名簿を読み込み直します（この画面での変更は捨てます）。\n"
                          "キャンセル：登録しません。")
        .arg(QDir::toNativeSeparators(file));
}

QString ReadOnlyRosterMessage(const QString& file)
{
    return QStringLiteral("名簿ファイルが読み取り専用のため、登録できません。(%1)").arg(QDir::toNativeSeparators(file));
}
