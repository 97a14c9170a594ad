#include "store/SettingsLimits.h"

#include <algorithm>

namespace {

using namespace SettingsLimits;

bool Within(int value, int low, int high)
{
    return value >= low && value <= high;
}

bool IsColour(int32_t value)
{
    return Within(value, 0, ColourMax);
}

template <size_t N>
bool AreColours(const std::array<int32_t, N>& values)
{
    return std::all_of(values.begin(), values.end(), IsColour);
}

// Font styles are stored as the texts "True" and "False".
bool IsFlag(const QString& value)
{
    return value == QLatin1String("True") || value == QLatin1String("False");
}

}

bool IsWithinLimits(const BasicSettings& group)
{
    return Within(group.MeasureSeconds, MeasureSecondsMin, MeasureSecondsMax) &&
           Within(group.StartWaitTenths, StartWaitMin, StartWaitMax);
}

bool IsWithinLimits(const ScreenSettings& group)
{
    const std::array<int32_t, 7> colours = {group.WaitingBackColor,    group.MeasuringBackColor, group.StoppedBackColor,
                                            group.ResultBackColor,     group.ResultForeColor,    group.ReadyBlinkBackColor,
                                            group.ReadyBlinkBandColor};
    return AreColours(colours) && AreColours(group.BandBackColor) && AreColours(group.BandForeColor) &&
           IsFlag(group.ResultFontBold) && IsFlag(group.ResultFontItalic) && IsFlag(group.BandFontBold) &&
           IsFlag(group.BandFontItalic) && Within(group.GaugeStyle, 0, 1);
}

bool IsWithinLimits(const SoundSettings& group)
{
    return Within(group.RankSoundFromEntry, RankSoundFromEntryMin, RankSoundFromEntryMax);
}

bool IsWithinLimits(const EffectSettings& group)
{
    return Within(group.BlinkInterval, BlinkIntervalMin, BlinkIntervalMax) &&
           Within(group.BlinkRankLimit, BlinkRankLimitMin, BlinkRankLimitMax) && AreColours(group.BlinkColor);
}

bool IsWithinLimits(const MicSettings& group)
{
    return Within(group.NoiseCutLevel, 0, NoiseCutLevelMax) && Within(group.Quality, 0, QualityMax);
}
