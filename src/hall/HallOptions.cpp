#include "hall/HallOptions.h"

#include "core/ContestState.h"

#include <QFile>
#include <QSettings>

namespace {

const QString EnabledKey = QStringLiteral("Hall/Enabled");
const QString PortKey = QStringLiteral("Hall/Port");
const QString UrlKey = QStringLiteral("Hall/Url");

QString OptionsPath(const ContestState& context)
{
    return context.Folder.FilePath(QStringLiteral("ZUVELO.INI"));
}

}

HallOptions LoadHallOptions(const ContestState& context)
{
    QSettings file(OptionsPath(context), QSettings::IniFormat);
    HallOptions options;
    if (file.status() != QSettings::NoError)
        return options;
    options.Enabled = file.value(EnabledKey).toString().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
    bool isNumber = false;
    const int port = file.value(PortKey).toString().toInt(&isNumber);
    if (isNumber && port >= 1 && port <= 65535)
        options.Port = port;
    options.Url = file.value(UrlKey).toString();
    return options;
}

bool SaveHallOptions(const ContestState& context, const HallOptions& options)
{
    const QString path = OptionsPath(context);
    {
        // QSettings keeps a file it cannot parse; start such a file afresh.
        QSettings existing(path, QSettings::IniFormat);
        if (existing.status() == QSettings::FormatError && !QFile::remove(path))
            return false;
    }
    QSettings file(path, QSettings::IniFormat);
    file.setValue(EnabledKey, options.Enabled ? QStringLiteral("true") : QStringLiteral("false"));
    file.setValue(PortKey, options.Port);
    file.setValue(UrlKey, options.Url);
    file.sync();
    return file.status() == QSettings::NoError;
}

QString ShownHallUrl(const QStringList& urls, const QString& chosen)
{
    if (urls.contains(chosen))
        return chosen;
    return urls.isEmpty() ? QString() : urls.first();
}
