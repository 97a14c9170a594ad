#include "app/SystemCheck.h"

#include "app/AppContext.h"

#include <QFile>
#include <QStringList>

namespace {

bool ContainsAny(const QString& name, const QStringList& texts)
{
    for (const QString& text : texts) {
        if (name.contains(text, Qt::CaseSensitive))
            return true;
    }
    return false;
}

// A shell-style value of os-release: quotes removed, backslash escapes resolved.
QString Unquote(const QString& value)
{
    if (value.size() < 2 || (value.front() != u'"' && value.front() != u'\'') || value.back() != value.front())
        return value;
    const QString inner = value.mid(1, value.size() - 2);
    if (value.front() == u'\'')
        return inner;
    QString result;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == u'\\' && i + 1 < inner.size())
            ++i;
        result += inner[i];
    }
    return result;
}

}

std::optional<VolumeCommands> VolumeCommandsFor(const QString& productName, const QString& kernelType)
{
    if (kernelType == QLatin1String("linux"))
        return VolumeCommands{QStringLiteral("pavucontrol --tab=4"), QStringLiteral("pavucontrol --tab=3")};
    if (productName.contains(QStringLiteral("Windows XP")))
        return VolumeCommands{QStringLiteral("\\windows\\system32\\sndvol32.exe /r"),
                              QStringLiteral("\\windows\\system32\\sndvol32.exe /s")};
    const QStringList laterWindows{QStringLiteral("Windows Vi"), QStringLiteral("Windows 7"), QStringLiteral("Windows 8"),
                                   QStringLiteral("Windows 10")};
    if (ContainsAny(productName, laterWindows))
        return VolumeCommands{QStringLiteral("\\windows\\system32\\CONTROL.EXE mmsys.cpl,,1"),
                              QStringLiteral("\\windows\\system32\\sndvol.exe")};
    return std::nullopt;
}

bool CheckOperatingSystem(AppContext& context, const QString& productName, const QString& kernelType)
{
    const std::optional<VolumeCommands> commands = VolumeCommandsFor(productName, kernelType);
    if (!commands) {
        context.Messages.Inform(QStringLiteral("ご利用のOSには対応しておりません！"), MessageIcon::Information);
        return false;
    }
    context.RecVolumeCommand = commands->Rec;
    context.PlayVolumeCommand = commands->Play;
    return true;
}

QString PrettyNameOf(const QByteArray& osRelease)
{
    const QStringList lines = QString::fromUtf8(osRelease).split(u'\n');
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("PRETTY_NAME=")))
            return Unquote(trimmed.mid(12));
    }
    return {};
}

QString OperatingSystemName()
{
    // The standard place first, the vendor's copy when a system has only that.
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly))
            return PrettyNameOf(file.readAll());
    }
    return {};
}
