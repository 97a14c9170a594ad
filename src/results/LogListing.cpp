#include "results/LogListing.h"

#include "core/AutomationDate.h"
#include "core/Cp932.h"
#include "core/DisplayFormat.h"

#include <QFileInfo>

namespace {

const QString Gap = QStringLiteral("  ");

QString Cells(const ResultRecord& record)
{
    return NumberCell(record.EntryNo, 4) + Gap + NumberCell(record.Rank, 5) + Gap + NumberCell(record.TotalPoints, 5) +
           Gap + NumberCell(record.MaxPoints, 7) + Gap + NumberCell(record.MaxRaw, 7) + Gap +
           NumberCell(record.IntegPoints, 7) + Gap + NumberCell(record.IntegRaw, 7) + Gap;
}

QString DateCell(const ResultRecord& record)
{
    return FormatDateTime(FromAutomationDate(record.MeasuredAt));
}

}

QString LogListRow(const ResultRecord& record)
{
    return Cells(record) + QLatin1Char(' ') + DateCell(record);
}

const QString LogNameGap = QStringLiteral("  ");

QString LogListRowWithName(const ResultRecord& record, const QString& name, const QString& levelCell)
{
    QString row = LogListRow(record);
    if (!levelCell.isEmpty())
        row += LogNameGap + levelCell;
    return name.isEmpty() ? row : row + LogNameGap + name;
}

QString LogLevelCell(const std::optional<EntrantLevel>& level)
{
    return level ? SoundLevelColumn(level->LAFmax, level->Clipped, LogLevelCellWidth) : QString(LogLevelCellWidth, u' ');
}

QString LogFileRow(const ResultRecord& record)
{
    return Cells(record) + DateCell(record);
}

QByteArray LogExportText(std::span<const ResultRecord> records)
{
    QByteArray text;
    for (const ResultRecord& record : records) {
        // Digits, blanks, "-", "/" and ":" only: always in the code page.
        text += EncodeCp932(LogFileRow(record)).value_or(QByteArray());
        text += "\r\n";
    }
    return text;
}

std::optional<QString> ExportFileName(const QString& chosen, const QString& extension)
{
    const bool ends = chosen.endsWith(extension, Qt::CaseInsensitive);
    const QString name = ends ? chosen : chosen + extension;
    if (QFileInfo(name).fileName().compare(extension, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return name;
}
