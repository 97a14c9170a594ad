#include "results/CsvExport.h"

#include "core/AutomationDate.h"
#include "core/SpreadsheetCell.h"

namespace {

const QStringList HeaderRow = {
    QStringLiteral("エントリーNo"),    QStringLiteral("順位"),           QStringLiteral("総合得点"),
    QStringLiteral("最大値(点)"),      QStringLiteral("最大値(数値)"),   QStringLiteral("積算値(点)"),
    QStringLiteral("積算値(数値)"),    QStringLiteral("発声時刻"),       QStringLiteral("測定時間(秒)"),
    QStringLiteral("音質"),            QStringLiteral("ノイズカット(%)"), QStringLiteral("名前"),
    QStringLiteral("所属"),
};

const QStringList LevelHeader = {QStringLiteral("音圧LAFmax(dB)"), QStringLiteral("音圧LCpeak(dB)"), QStringLiteral("音圧LAeq(dB)"),
                                  QStringLiteral("振り切れ"), QStringLiteral("マイク距離(cm)")};

QStringList LevelFields(const EntrantLevels& levels, int entryNo)
{
    const auto found = levels.find(entryNo);
    if (found == levels.end())
        return QStringList(LevelHeader.size(), QString());
    const EntrantLevel& level = found->second;
    const auto decibels = [](double db) { return QString::number(db, 'f', 1); };
    return {decibels(level.LAFmax), decibels(level.LCpeak), decibels(level.LAeq), level.Clipped ? QStringLiteral("1") : QString(),
            QString::number(level.DistanceCm)};
}

}

QString CsvQuality(int quality)
{
    switch (quality) {
    case 0:
        return QStringLiteral("8kHz 8bit");
    case 1:
        return QStringLiteral("16kHz 16bit");
    case 2:
        return QStringLiteral("48kHz 16bit");
    default:
        return QString::number(quality);
    }
}

QStringList LogCsvFields(const ResultRecord& record)
{
    return {QString::number(record.EntryNo),
            QString::number(record.Rank),
            QString::number(record.TotalPoints),
            QString::number(record.MaxPoints),
            QString::number(record.MaxRaw),
            QString::number(record.IntegPoints),
            QString::number(record.IntegRaw),
            FormatDateTime(FromAutomationDate(record.MeasuredAt)),
            QString::number(record.MeasureSeconds),
            CsvQuality(record.Quality),
            QString::number(record.NoiseCutLevel)};
}

QByteArray LogCsvText(std::span<const ResultRecord> records, const EntrantRoster& roster, const std::optional<EntrantLevels>& levels)
{
    QString text = CsvLine(levels ? HeaderRow + LevelHeader : HeaderRow) + QStringLiteral("\r\n");
    for (const ResultRecord& record : records) {
        const EntrantName* entrant = roster.Find(record.EntryNo);
        const QString name = entrant ? SpreadsheetTextCell(entrant->Name) : QString();
        const QString group = entrant ? SpreadsheetTextCell(entrant->Group) : QString();
        QStringList fields = LogCsvFields(record) << name << group;
        if (levels)
            fields += LevelFields(*levels, record.EntryNo);
        text += CsvLine(fields) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
