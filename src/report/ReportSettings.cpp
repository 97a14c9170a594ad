#include "report/ReportSettings.h"

#include "core/AtomicFile.h"
#include "core/Cp932.h"
#include "core/WriteNotation.h"
#include "widgets/ContestSession.h"

#include <QDir>
#include <QFile>

namespace {

const QString FileName = QStringLiteral("REPSETZ.REC");

QString FilePathInProgramFolder(ContestState& context)
{
    return context.Folder.FilePath(FileName);
}

}

bool StorablePrinterName(const QString& printerName)
{
    return !printerName.contains(QLatin1Char('"')) && EncodeCp932(printerName).has_value();
}

ReportSettingsLoad LoadReportSettings(ContestSession& context, QString& printerName)
{
    QFile file(FilePathInProgramFolder(context));
    if (!file.exists() && QDir(context.Folder.Path()).exists())
        return ReportSettingsLoad::Missing;
    QString name;
    const bool read = file.open(QIODevice::ReadOnly) && WriteNotationReader(file.readAll()).ReadText(name)
                      && file.error() == QFileDevice::NoError;
    if (!read) {
        context.Messages.Inform(QStringLiteral("レポート設定ファィル不正です！"), MessageIcon::Error);
        return ReportSettingsLoad::Damaged;
    }
    printerName = name;
    return ReportSettingsLoad::Loaded;
}

bool SaveReportSettings(ContestSession& context, const QString& printerName)
{
    const QString path = FilePathInProgramFolder(context);
    if (printerName.isEmpty())
        return true;
    if (!StorablePrinterName(printerName)) {
        context.Messages.Inform(QStringLiteral("このプリンター名は登録できません！"), MessageIcon::Warning);
        return false;
    }
    WriteNotationWriter writer;
    writer.WriteText(printerName);
    if (!writer.Ok() || !WriteFileAtomically(path, writer.Bytes())) {
        context.Messages.Inform(QStringLiteral("レポート設定ファイルが不正です。"), MessageIcon::Warning);
        return false;
    }
    return true;
}
