#pragma once

#include "core/SettingsRecord.h"

// The values the settings windows let the operator set. A file holding
// anything else was edited by hand or damaged, and a contest must not run on
// values the program cannot honour: a measurement time of 0 or 999 seconds,
// a quality that records one sample width and scores another, a colour that
// is no colour.
namespace SettingsLimits {
constexpr int MeasureSecondsMin = 1;
constexpr int MeasureSecondsMax = 30;
constexpr int StartWaitMin = -20;
constexpr int StartWaitMax = 20;
constexpr int RankSoundFromEntryMin = 0;
constexpr int RankSoundFromEntryMax = 99;
constexpr int BlinkIntervalMin = 2;
constexpr int BlinkIntervalMax = 50;
constexpr int BlinkRankLimitMin = 1;
constexpr int BlinkRankLimitMax = 40;
constexpr int NoiseCutLevelMax = 100;
constexpr int32_t ColourMax = 0xFFFFFF;
}

// The 1-based line of the first value of the group's file that its settings
// window does not allow; 0 when the window allows them all.
qsizetype FirstLineOutsideLimits(const BasicSettings& group);
qsizetype FirstLineOutsideLimits(const ScreenSettings& group);
qsizetype FirstLineOutsideLimits(const SoundSettings& group);
qsizetype FirstLineOutsideLimits(const EffectSettings& group);
qsizetype FirstLineOutsideLimits(const MicSettings& group);
