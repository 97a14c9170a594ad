#pragma once

#include "store/SettingsRecord.h"

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
constexpr int QualityMax = 2;
constexpr int32_t ColourMax = 0xFFFFFF;
}

bool IsWithinLimits(const BasicSettings& group);
bool IsWithinLimits(const ScreenSettings& group);
bool IsWithinLimits(const SoundSettings& group);
bool IsWithinLimits(const EffectSettings& group);
bool IsWithinLimits(const MicSettings& group);
