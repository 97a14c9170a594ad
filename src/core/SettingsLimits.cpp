#include "core/SettingsLimits.h"

#include "core/BooleanText.h"
#include "core/SettingsFileFormat.h"

namespace {

using namespace SettingsLimits;

// The fields of one group that hold a value their settings window does not
// allow, and the first of them in file order.
template <class Group>
class LimitCheck {
public:
    explicit LimitCheck(const Group& group) : Checked(group) {}

    // Each check takes the field itself, whose address names its line.
    void Range(const int16_t& value, int low, int high) { Require(value >= low && value <= high, value); }
    void Quality(const RecordingQuality& value) { Require(IsKnownQuality(value), value); }
    void Colour(const int32_t& value) { Require(value >= 0 && value <= ColourMax, value); }
    template <size_t N>
    void Colours(const std::array<int32_t, N>& values)
    {
        for (const int32_t& value : values)
            Colour(value);
    }
    void Flag(const QString& value) { Require(IsBooleanText(value), value); }

    qsizetype FirstLine() const { return First; }

private:
    template <class T>
    void Require(bool allowed, const T& field)
    {
        if (allowed)
            return;
        const qsizetype line = SettingsLineOf(Checked, &field);
        if (First == 0 || line < First)
            First = line;
    }

    const Group& Checked;
    qsizetype First = 0;
};

}

qsizetype FirstLineOutsideLimits(const BasicSettings& group)
{
    LimitCheck check(group);
    check.Range(group.MeasureSeconds, MeasureSecondsMin, MeasureSecondsMax);
    check.Range(group.StartWaitTenths, StartWaitMin, StartWaitMax);
    return check.FirstLine();
}

qsizetype FirstLineOutsideLimits(const ScreenSettings& group)
{
    LimitCheck check(group);
    for (const int32_t* colour : {&group.WaitingBackColor, &group.MeasuringBackColor, &group.StoppedBackColor,
                                  &group.ResultBackColor, &group.ResultForeColor, &group.ReadyBlinkBackColor,
                                  &group.ReadyBlinkBandColor})
        check.Colour(*colour);
    check.Colours(group.BandBackColor);
    check.Colours(group.BandForeColor);
    for (const QString* flag : {&group.ResultFontBold, &group.ResultFontItalic, &group.BandFontBold, &group.BandFontItalic})
        check.Flag(*flag);
    check.Range(group.GaugeStyle, 0, 1);
    return check.FirstLine();
}

qsizetype FirstLineOutsideLimits(const SoundSettings& group)
{
    LimitCheck check(group);
    check.Range(group.RankSoundFromEntry, RankSoundFromEntryMin, RankSoundFromEntryMax);
    return check.FirstLine();
}

qsizetype FirstLineOutsideLimits(const EffectSettings& group)
{
    LimitCheck check(group);
    check.Range(group.BlinkInterval, BlinkIntervalMin, BlinkIntervalMax);
    check.Range(group.BlinkRankLimit, BlinkRankLimitMin, BlinkRankLimitMax);
    check.Colours(group.BlinkColor);
    return check.FirstLine();
}

qsizetype FirstLineOutsideLimits(const MicSettings& group)
{
    LimitCheck check(group);
    check.Range(group.NoiseCutLevel, 0, NoiseCutLevelMax);
    check.Quality(group.Quality);
    return check.FirstLine();
}
