#pragma once

#include "core/SettingsRecord.h"

#include <QByteArray>
#include <optional>

// The five settings files in the "write" notation, one value per line in the
// order of the fields of each group.

// Reads the values of the group in file order, storing each one as soon as it
// is read; at the first missing or bad value it stops and returns false, the
// values read so far staying in `group`.
bool ParseSettings(const QByteArray& bytes, BasicSettings& group);
bool ParseSettings(const QByteArray& bytes, ScreenSettings& group);
bool ParseSettings(const QByteArray& bytes, SoundSettings& group);
bool ParseSettings(const QByteArray& bytes, EffectSettings& group);
bool ParseSettings(const QByteArray& bytes, MicSettings& group);

// As ParseSettings, and says where it stopped: the 1-based line of the first
// missing or bad value, 0 when every value was read.
qsizetype FirstBadSettingsLine(const QByteArray& bytes, BasicSettings& group);
qsizetype FirstBadSettingsLine(const QByteArray& bytes, ScreenSettings& group);
qsizetype FirstBadSettingsLine(const QByteArray& bytes, SoundSettings& group);
qsizetype FirstBadSettingsLine(const QByteArray& bytes, EffectSettings& group);
qsizetype FirstBadSettingsLine(const QByteArray& bytes, MicSettings& group);

// The 1-based line that holds `field`, a member or array element of `group`;
// 0 when it is none.
qsizetype SettingsLineOf(const BasicSettings& group, const void* field);
qsizetype SettingsLineOf(const ScreenSettings& group, const void* field);
qsizetype SettingsLineOf(const SoundSettings& group, const void* field);
qsizetype SettingsLineOf(const EffectSettings& group, const void* field);
qsizetype SettingsLineOf(const MicSettings& group, const void* field);

// The number of lines, one per value, in the file of a group.
qsizetype SettingsLineCount(const BasicSettings& group);
qsizetype SettingsLineCount(const ScreenSettings& group);
qsizetype SettingsLineCount(const SoundSettings& group);
qsizetype SettingsLineCount(const EffectSettings& group);
qsizetype SettingsLineCount(const MicSettings& group);

// The whole file of a group; nothing when a text cannot be written (a double
// quote, or a character outside code page 932).
std::optional<QByteArray> SerializeSettings(const BasicSettings& group);
std::optional<QByteArray> SerializeSettings(const ScreenSettings& group);
std::optional<QByteArray> SerializeSettings(const SoundSettings& group);
std::optional<QByteArray> SerializeSettings(const EffectSettings& group);
std::optional<QByteArray> SerializeSettings(const MicSettings& group);
