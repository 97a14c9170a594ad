#pragma once

#include "store/SettingsRecord.h"

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
