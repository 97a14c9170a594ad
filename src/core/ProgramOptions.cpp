#include "core/ProgramOptions.h"

#include "core/ContestState.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

namespace {

const QString OptionsFile = QStringLiteral("ZUVELO.INI");
const QString AudioInputKey = QStringLiteral("Audio/Input");
const QString AudienceScreenKey = QStringLiteral("Screen/Audience");
const QString ManufacturerKey = QStringLiteral("Screen/Manufacturer");
const QString ModelKey = QStringLiteral("Screen/Model");
const QString SerialNumberKey = QStringLiteral("Screen/SerialNumber");
// The screen's place and size on the desk: "left,top,width,height".
const QString GeometryKey = QStringLiteral("Screen/Geometry");
const QString ShowNamesKey = QStringLiteral("Entrants/ShowNames");
const QString HallEnabledKey = QStringLiteral("Hall/Enabled");
const QString HallPortKey = QStringLiteral("Hall/Port");
const QString HallUrlKey = QStringLiteral("Hall/Url");

QString OptionsPath(const ContestState& context)
{
    return context.Folder.FilePath(OptionsFile);
}

// An empty rectangle unless the text is four whole numbers, the size positive.
QRect GeometryFrom(const QStringList& parts)
{
    if (parts.size() != 4)
        return {};
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    const QRect geometry(numbers[0], numbers[1], numbers[2], numbers[3]);
    return numbers[2] > 0 && numbers[3] > 0 ? geometry : QRect();
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
                              file.value(ModelKey).toString(), file.value(SerialNumberKey).toString(),
                              GeometryFrom(file.value(GeometryKey).toStringList())};
    // Anything but a clear "false" keeps the names on.
    options.ShowNames = file.value(ShowNamesKey).toString().compare(QStringLiteral("false"), Qt::CaseInsensitive) != 0;
    // The page opens to the hall only on a clear "true".
    options.Hall.Enabled = file.value(HallEnabledKey).toString().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
    bool isNumber = false;
    const int port = file.value(HallPortKey).toString().toInt(&isNumber);
    if (isNumber && port >= 1 && port <= 65535)
        options.Hall.Port = port;
    options.Hall.Url = file.value(HallUrlKey).toString();
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
    const QRect geometry = options.AudienceScreen.Geometry;
    if (geometry.isValid())
        file.setValue(GeometryKey, QStringList{QString::number(geometry.x()), QString::number(geometry.y()),
                                               QString::number(geometry.width()), QString::number(geometry.height())});
    else
        file.remove(GeometryKey);
    file.setValue(ShowNamesKey, options.ShowNames);
    file.setValue(HallEnabledKey, options.Hall.Enabled ? QStringLiteral("true") : QStringLiteral("false"));
    file.setValue(HallPortKey, options.Hall.Port);
    file.setValue(HallUrlKey, options.Hall.Url);
    file.sync();
    return file.status() == QSettings::NoError;
}

bool SaveHallOptions(const ContestState& context, const HallOptions& hall)
{
    ProgramOptions options = LoadProgramOptions(context);
    options.Hall = hall;
    return SaveProgramOptions(context, options);
}
