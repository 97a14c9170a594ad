#include "store/SettingsStore.h"

#include "store/ContestState.h"
#include "platform/AtomicFile.h"
#include "store/SettingsFileFormat.h"
#include "store/SettingsLimits.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString BasicFile = QStringLiteral("KANKYOU1.REC");
const QString ScreenFile = QStringLiteral("KANKYOU2.REC");
const QString SoundFile = QStringLiteral("KANKYOU3.REC");
const QString EffectFile = QStringLiteral("KANKYOU4.REC");
const QString MicFile = QStringLiteral("KANKYOUB.REC");

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

template <class Group>
bool LoadGroup(const ContestState& context, const QString& name, Group& group)
{
    QFile file(context.Folder.FilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<QByteArray> bytes = ReadLines(file, SettingsLineCount(group));
    return bytes && ParseSettings(*bytes, group);
}

// A group read whole and within what its settings window allows.
template <class Group>
bool LoadGroupChecked(const ContestState& context, const QString& name, Group& group)
{
    return LoadGroup(context, name, group) && IsWithinLimits(group);
}

bool ReportBrokenAndReset(ContestState& context)
{
    context.Messages.Inform(QStringLiteral("環境設定データが不正です!\n出荷時に戻します。"), MessageIcon::Error);
    return ResetToFactorySettings(context);
}

template <class Group>
bool SaveGroup(ContestState& context, const QString& name, const Group& group)
{
    const std::optional<QByteArray> bytes = SerializeSettings(group);
    if (bytes && WriteFileAtomically(context.Folder.FilePath(name), *bytes))
        return true;
    context.Messages.Inform(QStringLiteral("管理データの書き込みができません！"), MessageIcon::Error);
    return false;
}

}

bool LoadBasicSettings(ContestState& context)
{
    if (LoadGroup(context, BasicFile, context.Settings.Basic))
        return true;
    return ReportBrokenAndReset(context);
}

bool LoadAllSettings(ContestState& context)
{
    SettingsRecord& settings = context.Settings;
    // Every group is read, whichever is broken, so that the good ones are in
    // memory whatever the operator answers.
    bool whole = LoadGroupChecked(context, BasicFile, settings.Basic);
    whole = LoadGroupChecked(context, ScreenFile, settings.Screen) && whole;
    whole = LoadGroupChecked(context, SoundFile, settings.Sound) && whole;
    whole = LoadGroupChecked(context, EffectFile, settings.Effect) && whole;
    whole = LoadGroupChecked(context, MicFile, settings.Mic) && whole;
    if (whole)
        return true;
    return ReportBrokenAndReset(context);
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
    settings.Basic = BasicSettings::Factory();
    SaveBasicSettings(context);
    settings.Screen = ScreenSettings::Factory();
    SaveScreenSettings(context);
    settings.Sound = SoundSettings::Factory(context.Folder.Path());
    SaveSoundSettings(context);
    settings.Effect = EffectSettings::Factory();
    SaveEffectSettings(context);
    settings.Mic = MicSettings::Factory();
    SaveMicSettings(context);
    return true;
}
