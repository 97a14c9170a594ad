#include "entrants/RosterTable.h"

#include "core/ContestValues.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr int RowsAfterNextEntrant = 50;

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
    case EntrantImport::Fault::Unreadable:
    case EntrantImport::Fault::None:
        break;
    }
    return QStringLiteral("CSVファイルを読めません。%1\nUTF-8またはShift-JISのCSVファイルを選んでください。").arg(where);
}
