#include "core/ReportSettings.h"

#include "core/AtomicFile.h"
#include "core/ContestState.h"
#include "core/Cp932.h"
#include "core/WriteNotation.h"

#include <QDir>
#include <QFile>

namespace {

QString SettingsPath(const ContestState& context)
{
    return context.Folder.FilePath(QStringLiteral("REPSETZ.REC"));
}

}

bool StorablePrinterName(const QString& printerName)
{
    return !printerName.contains(QLatin1Char('"')) && EncodeCp932(printerName).has_value();
}

ReportSettingsLoad LoadReportSettings(const ContestState& context)
{
    QFile file(SettingsPath(context));
    if (!file.exists() && QDir(context.Folder.Path()).exists())
        return ReportSettingsMissing{};
    QString name;
    const bool read = file.open(QIODevice::ReadOnly) && WriteNotationReader(file.readAll()).ReadText(name)
                      && file.error() == QFileDevice::NoError;
    if (!read)
        return ReportSettingsDamaged{};
    return name;
}

ReportSettingsSave SaveReportSettings(const ContestState& context, const QString& printerName)
{
    if (printerName.isEmpty())
        return std::nullopt;
    if (!StorablePrinterName(printerName))
        return PrinterNameNotStorable{};
    WriteNotationWriter writer;
    writer.WriteText(printerName);
    if (!writer.Ok() || !WriteFileAtomically(SettingsPath(context), writer.Bytes()))
        return ReportSettingsNotWritten{};
    return std::nullopt;
}
