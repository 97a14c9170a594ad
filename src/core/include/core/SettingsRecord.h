#pragma once

#include "core/RecordingQuality.h"

#include <QString>
#include <array>
#include <cstdint>

// A colour as stored: red + 256 × green + 65536 × blue.
constexpr int32_t Rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// KANKYOU1.REC
struct BasicSettings {
    int16_t MeasureSeconds = 0;
    bool SoundOn = false;
    bool PauseAtStop = false;
    bool WaveformDisplay = false;
    bool WaveformWhiteOnBlack = false;
    bool PrintAtOnce = false;
    int16_t StartWaitTenths = 0;

    static BasicSettings Factory();
    bool operator==(const BasicSettings&) const = default;
};

// Looks of the measurement screen's labels, indexed by BandLook.
enum BandLook { HeadingLook = 0, WaitingLook = 1, StartLook = 2, MeasuringLook = 3, StoppedLook = 4, BandLookCount = 5 };

// KANKYOU2.REC
struct ScreenSettings {
    bool FullGaugeLayout = false;
    int32_t WaitingBackColor = 0;
    int32_t MeasuringBackColor = 0;
    int32_t StoppedBackColor = 0;
    int32_t ResultBackColor = 0;
    int32_t ResultForeColor = 0;
    QString ResultFontName;
    QString ResultFontBold;
    QString ResultFontItalic;
    int32_t ReadyBlinkBackColor = 0;
    int32_t ReadyBlinkBandColor = 0;
    std::array<int32_t, BandLookCount> BandBackColor{};
    std::array<int32_t, BandLookCount> BandForeColor{};
    std::array<QString, BandLookCount> BandText;
    QString BandFontName;
    QString BandFontBold;
    QString BandFontItalic;
    int16_t GaugeStyle = 0;

    static ScreenSettings Factory();
    bool operator==(const ScreenSettings&) const = default;
};

// Sound slots: 0 start, 1 stop, 2 to 6 the rank sounds from top to booby.
enum SoundSlot { StartSound = 0, StopSound = 1, TopRankSound = 2, SoundSlotCount = 7 };

// KANKYOU3.REC
struct SoundSettings {
    std::array<QString, SoundSlotCount> SoundFile;
    std::array<bool, SoundSlotCount> SoundEnabled{};
    int16_t RankSoundFromEntry = 0;

    // The slot paths are formed from the program folder.
    static SoundSettings Factory(const QString& programFolder);
    bool operator==(const SoundSettings&) const = default;
};

// KANKYOU4.REC
struct EffectSettings {
    bool BlinkTopRanks = false;
    int16_t BlinkInterval = 0;
    int16_t BlinkRankLimit = 0;
    std::array<int32_t, 3> BlinkColor{};

    static EffectSettings Factory();
    bool operator==(const EffectSettings&) const = default;
};

// KANKYOUB.REC
struct MicSettings {
    int16_t NoiseCutLevel = 0;
    RecordingQuality Quality = RecordingQuality::Normal;

    static MicSettings Factory();
    bool operator==(const MicSettings&) const = default;
};

// The process-wide settings, one group per settings file.
struct SettingsRecord {
    BasicSettings Basic;
    ScreenSettings Screen;
    SoundSettings Sound;
    EffectSettings Effect;
    MicSettings Mic;
};
