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

bool ReportBrokenAndReset(ContestState& context, const QStringList& faults)
{
    context.Messages.Inform(BrokenSettingsMessage(faults, AnySettingsFileExists(context)), MessageIcon::Error);
    return ResetToFactorySettings(context);
}

void ReportWriteFailure(ContestState& context)
{
    context.Messages.Inform(QStringLiteral("管理データの書き込みができません！"), MessageIcon::Error);
}

template <class Group>
bool SaveGroup(ContestState& context, const QString& name, const Group& group)
{
    const std::optional<QByteArray> bytes = SerializeSettings(group);
    if (bytes && WriteFileAtomically(context.Folder.FilePath(name), *bytes))
        return true;
    ReportWriteFailure(context);
    return false;
}

// The factory values replace a file only once its old content is kept aside:
// nothing the operator set is lost without a trace.
template <class Group>
void ResetGroup(ContestState& context, const QString& name, Group& group, const Group& factory)
{
    group = factory;
    if (CopyAside(context.Folder.FilePath(name), context.Now()))
        SaveGroup(context, name, group);
    else
        ReportWriteFailure(context);
}

}

bool LoadBasicSettings(ContestState& context)
{
    const QString fault = LoadGroup(context, BasicFile, context.Settings.Basic);
    if (fault.isEmpty())
        return true;
    return ReportBrokenAndReset(context, {fault});
}

bool LoadAllSettings(ContestState& context)
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
    if (faults.isEmpty())
        return true;
    return ReportBrokenAndReset(context, faults);
}

bool HoldsNoSettingsFile(const ContestState& context)
{
    for (const QString& name : {BasicFile, ScreenFile, SoundFile, EffectFile, MicFile}) {
        if (QFileInfo::exists(context.Folder.FilePath(name)))
            return false;
    }
    return true;
}

void LoadScreenSettings(ContestState& context)
{
    LoadGroup(context, ScreenFile, context.Settings.Screen);
}

void LoadSoundSettings(ContestState& context)
{
    LoadGroup(context, SoundFile, context.Settings.Sound);
}

void LoadEffectSettings(ContestState& context)
{
    LoadGroup(context, EffectFile, context.Settings.Effect);
}

void LoadMicSettings(ContestState& context)
{
    LoadGroup(context, MicFile, context.Settings.Mic);
}

bool SaveBasicSettings(ContestState& context)
{
    return SaveGroup(context, BasicFile, context.Settings.Basic);
}

bool SaveScreenSettings(ContestState& context)
{
    return SaveGroup(context, ScreenFile, context.Settings.Screen);
}

bool SaveSoundSettings(ContestState& context)
{
    return SaveGroup(context, SoundFile, context.Settings.Sound);
}

bool SaveEffectSettings(ContestState& context)
{
    return SaveGroup(context, EffectFile, context.Settings.Effect);
}

bool SaveMicSettings(ContestState& context)
{
    return SaveGroup(context, MicFile, context.Settings.Mic);
}

bool ResetToFactorySettings(ContestState& context)
{
    const MessageAnswer answer = context.Messages.Show(QStringLiteral("環境設定を初期値に戻します。"), QString(),
                                                       MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        context.EndProgram();
        return false;
    }
    SettingsRecord& settings = context.Settings;
    ResetGroup(context, BasicFile, settings.Basic, BasicSettings::Factory());
    ResetGroup(context, ScreenFile, settings.Screen, ScreenSettings::Factory());
    ResetGroup(context, SoundFile, settings.Sound, SoundSettings::Factory(context.Folder.Path()));
    ResetGroup(context, EffectFile, settings.Effect, EffectSettings::Factory());
    ResetGroup(context, MicFile, settings.Mic, MicSettings::Factory());
    return true;
}
