#include "core/ProgramOptions.h"

#include "core/ContestState.h"

#include <QFile>
#include <QSettings>

namespace {

const QString OptionsFile = QStringLiteral("ZUVELO.INI");
const QString AudioInputKey = QStringLiteral("Audio/Input");
const QString AudienceScreenKey = QStringLiteral("Screen/Audience");
const QString ManufacturerKey = QStringLiteral("Screen/Manufacturer");
const QString ModelKey = QStringLiteral("Screen/Model");
const QString SerialNumberKey = QStringLiteral("Screen/SerialNumber");
const QString ShowNamesKey = QStringLiteral("Entrants/ShowNames");

QString OptionsPath(const ContestState& context)
{
    return context.Folder.FilePath(OptionsFile);
}

}

ProgramOptions LoadProgramOptions(const ContestState& context)
{
    QSettings file(OptionsPath(context), QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return {};
    ProgramOptions options;
    options.AudioInput = file.value(AudioInputKey).toString();
    options.AudienceScreen = {file.value(AudienceScreenKey).toString(), file.value(ManufacturerKey).toString(),
                              file.value(ModelKey).toString(), file.value(SerialNumberKey).toString()};
    // Anything but a clear "false" keeps the names on.
    options.ShowNames = file.value(ShowNamesKey).toString().compare(QStringLiteral("false"), Qt::CaseInsensitive) != 0;
    return options;
}

bool SaveProgramOptions(const ContestState& context, const ProgramOptions& options)
{
    const QString path = OptionsPath(context);
    {
        // QSettings keeps a file it cannot parse; start such a file afresh.
        QSettings existing(path, QSettings::IniFormat);
        if (existing.status() == QSettings::FormatError && !QFile::remove(path))
            return false;
    }
    QSettings file(path, QSettings::IniFormat);
    file.setValue(AudioInputKey, options.AudioInput);
    file.setValue(AudienceScreenKey, options.AudienceScreen.Name);
    file.setValue(ManufacturerKey, options.AudienceScreen.Manufacturer);
    file.setValue(ModelKey, options.AudienceScreen.Model);
    file.setValue(SerialNumberKey, options.AudienceScreen.SerialNumber);
    file.setValue(ShowNamesKey, options.ShowNames);
    file.sync();
    return file.status() == QSettings::NoError;
}
