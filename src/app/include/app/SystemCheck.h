#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class AppContext;

// The command lines that open the system's recording and playback volume
// controls.
struct VolumeCommands {
    QString Rec;
    QString Play;
};

// The volume commands for an operating system of this product name and kernel
// (QSysInfo::kernelType()), or nothing when the program cannot run there. Any
// Linux kernel is accepted whatever its distribution calls itself; other
// systems are known by their product name, matched case-sensitively.
std::optional<VolumeCommands> VolumeCommandsFor(const QString& productName, const QString& kernelType);

// Accepts or refuses the operating system of this product name. On refusal it
// shows "ご利用のOSには対応しておりません！" and returns false; otherwise it
// sets RecVolumeCommand and PlayVolumeCommand.
bool CheckOperatingSystem(AppContext& context, const QString& productName, const QString& kernelType);

// The product name of the running system: PRETTY_NAME of os-release, empty
// when it cannot be read.
QString OperatingSystemName();
QString PrettyNameOf(const QByteArray& osRelease);
