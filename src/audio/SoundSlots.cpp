#include "audio/SoundSlots.h"

#include "audio/MultimediaPlayer.h"
#include "core/ProgramFolder.h"
#include "core/SettingsRecord.h"

qint64 PlaySlotOn(MultimediaPlayer& player, const SettingsRecord& settings, const ProgramFolder& folder, int slot)
{
    if (slot < 0 || slot >= SoundSlotCount || !settings.Basic.SoundOn || !settings.Sound.SoundEnabled[slot])
        return 0;
    player.FileName = folder.Resolve(settings.Sound.SoundFile[slot]);
    if (player.Mode() != MultimediaPlayer::ModeNotOpen)
        player.Command(QStringLiteral("Close"));
    player.Command(QStringLiteral("Open"));
    player.Command(QStringLiteral("Prev"));
    player.Command(QStringLiteral("Play"));
    return player.Length();
}
