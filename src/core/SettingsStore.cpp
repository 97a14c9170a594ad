#include "core/SettingsStore.h"

#include "core/ContestState.h"
#include "core/AtomicFile.h"
#include "core/KeptAside.h"
#include "core/SettingsFault.h"
#include "core/SettingsFileFormat.h"
#include "core/SettingsLimits.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString BasicFile = QStringLiteral("KANKYOU1.REC");
const QString ScreenFile = QStringLiteral("KANKYOU2.REC");
const QString SoundFile = QStringLiteral("KANKYOU3.REC");
const QString EffectFile = QStringLiteral("KANKYOU4.REC");
const QString MicFile = QStringLiteral("KANKYOUB.REC");
const QStringList AllFiles{BasicFile, ScreenFile, SoundFile, EffectFile, MicFile};

// No line of a settings file comes near this; a longer one is junk.
constexpr qint64 MaxLineBytes = 64 * 1024;

// The first `count` lines of the file, and nothing of what may follow them:
// junk appended to a file must cost no memory. Nothing when a line is longer
// than any line of a settings file.
std::optional<QByteArray> ReadLines(QFile& file, qsizetype count)
{
    QByteArray bytes;
    for (qsizetype n = 0; n < count && !file.atEnd(); ++n) {
        const QByteArray line = file.readLine(MaxLineBytes);
        if (file.error() != QFileDevice::NoError || (!line.endsWith('\n') && !file.atEnd()))
            return std::nullopt;
        bytes += line;
    }
    return bytes;
}

enum class Limits { Unchecked, Checked };

// Reads the group from its file; with Limits::Checked its values must also be
// ones its settings window allows. What is wrong with the file, for the
// operator; empty when the group was read whole.
template <class Group>
QString LoadGroup(const ContestState& context, const QString& name, Group& group, Limits limits = Limits::Unchecked)
{
    const QString path = context.Folder.FilePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? UnreadableFileFault(name) : MissingFileFault(name);
    const std::optional<QByteArray> bytes = ReadLines(file, SettingsLineCount(group));
    if (!bytes)
        return UnreadableFileFault(name);
    qsizetype line = FirstBadSettingsLine(*bytes, group);
    if (line == 0 && limits == Limits::Checked)
        line = FirstLineOutsideLimits(group);
    return line == 0 ? QString() : LineFault(name, *bytes, line);
}

bool AnySettingsFileExists(const ContestState& context)
{
    for (const QString& name : AllFiles) {
        if (QFileInfo(context.Folder.FilePath(name)).isFile())
            return true;
    }
    return false;
}

template <class Group>
std::optional<SettingsNotWritten> SaveGroup(ContestState& context, const QString& name, const Group& group)
{
    const QString path = context.Folder.FilePath(name);
    const std::optional<QByteArray> bytes = SerializeSettings(group);
    if (bytes && WriteFileAtomically(path, *bytes))
        return std::nullopt;
    return SettingsNotWritten{path};
}

// The factory values replace a file only once its old content is kept aside:
// nothing the operator set is lost without a trace.
template <class Group>
void ResetGroup(ContestState& context, const QString& name, Group& group, const Group& factory,
                std::vector<SettingsNotWritten>& notWritten)
{
    group = factory;
    const QString path = context.Folder.FilePath(name);
    const std::optional<SettingsNotWritten> failure =
        CopyAside(path, context.Now()) ? SaveGroup(context, name, group) : SettingsNotWritten{path};
    if (failure)
        notWritten.push_back(*failure);
}

std::optional<SettingsDamaged> Damaged(const ContestState& context, const QStringList& faults)
{
    if (faults.isEmpty())
        return std::nullopt;
    return SettingsDamaged{faults, AnySettingsFileExists(context)};
}

// One group's fault, if any.
std::optional<SettingsDamaged> Damaged(const ContestState& context, const QString& fault)
{
    return Damaged(context, fault.isEmpty() ? QStringList() : QStringList{fault});
}

}

std::optional<SettingsDamaged> LoadBasicSettings(ContestState& context)
{
    return Damaged(context, LoadGroup(context, BasicFile, context.Settings.Basic));
}

std::optional<SettingsDamaged> LoadAllSettings(ContestState& context)
{
    SettingsRecord& settings = context.Settings;
    // Every group is read, whichever is broken, so that the good ones are in
    // memory whatever the operator answers, and every fault is named.
    QStringList faults;
    for (const QString& fault : {LoadGroup(context, BasicFile, settings.Basic, Limits::Checked),
                                 LoadGroup(context, ScreenFile, settings.Screen, Limits::Checked),
                                 LoadGroup(context, SoundFile, settings.Sound, Limits::Checked),
                                 LoadGroup(context, EffectFile, settings.Effect, Limits::Checked),
                                 LoadGroup(context, MicFile, settings.Mic, Limits::Checked)}) {
        if (!fault.isEmpty())
            faults << fault;
    }
    return Damaged(context, faults);
}

bool HoldsNoSettingsFile(const ContestState& context)
{
    for (const QString& name : {BasicFile, ScreenFile, SoundFile, EffectFile, MicFile}) {
        if (QFileInfo::exists(context.Folder.FilePath(name)))
            return false;
    }
    return true;
}

std::optional<SettingsDamaged> LoadScreenSettings(ContestState& context)
{
    return Damaged(context, LoadGroup(context, ScreenFile, context.Settings.Screen));
}

std::optional<SettingsDamaged> LoadSoundSettings(ContestState& context)
{
    return Damaged(context, LoadGroup(context, SoundFile, context.Settings.Sound));
}

std::optional<SettingsDamaged> LoadEffectSettings(ContestState& context)
{
    return Damaged(context, LoadGroup(context, EffectFile, context.Settings.Effect));
}

std::optional<SettingsDamaged> LoadMicSettings(ContestState& context)
{
    return Damaged(context, LoadGroup(context, MicFile, context.Settings.Mic));
}

std::optional<SettingsNotWritten> SaveBasicSettings(ContestState& context)
{
    return SaveGroup(context, BasicFile, context.Settings.Basic);
}

std::optional<SettingsNotWritten> SaveScreenSettings(ContestState& context)
{
    return SaveGroup(context, ScreenFile, context.Settings.Screen);
}

std::optional<SettingsNotWritten> SaveSoundSettings(ContestState& context)
{
    return SaveGroup(context, SoundFile, context.Settings.Sound);
}

std::optional<SettingsNotWritten> SaveEffectSettings(ContestState& context)
{
    return SaveGroup(context, EffectFile, context.Settings.Effect);
}

std::optional<SettingsNotWritten> SaveMicSettings(ContestState& context)
{
    return SaveGroup(context, MicFile, context.Settings.Mic);
}

std::vector<SettingsNotWritten> ResetToFactorySettings(ContestState& context)
{
    SettingsRecord& settings = context.Settings;
    std::vector<SettingsNotWritten> notWritten;
    ResetGroup(context, BasicFile, settings.Basic, BasicSettings::Factory(), notWritten);
    ResetGroup(context, ScreenFile, settings.Screen, ScreenSettings::Factory(), notWritten);
    ResetGroup(context, SoundFile, settings.Sound, SoundSettings::Factory(context.Folder.Path()), notWritten);
    ResetGroup(context, EffectFile, settings.Effect, EffectSettings::Factory(), notWritten);
    ResetGroup(context, MicFile, settings.Mic, MicSettings::Factory(), notWritten);
    return notWritten;
}
