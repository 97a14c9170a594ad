#include "measure/MeasurementRun.h"

#include <gtest/gtest.h>

TEST(MeasurementRun, TheStartWaitShiftsTheStartOfRecording)
{
    // No wait: recording starts when the start sound has ended.
    EXPECT_EQ(DecideReady(0, 2400), ReadyAction::KeepWaiting);
    EXPECT_EQ(DecideReady(0, 1), ReadyAction::KeepWaiting);
    EXPECT_EQ(DecideReady(0, 0), ReadyAction::StartRecording);
    // A positive wait starts that long after the end.
    EXPECT_EQ(DecideReady(5, 300), ReadyAction::KeepWaiting);
    EXPECT_EQ(DecideReady(5, 0), ReadyAction::StartAfterWait);
    // A negative wait starts that long before the end.
    EXPECT_EQ(DecideReady(-5, 501), ReadyAction::KeepWaiting);
    EXPECT_EQ(DecideReady(-5, 500), ReadyAction::KeepWaiting);
    EXPECT_EQ(DecideReady(-5, 499), ReadyAction::StartRecording);
    // Longer than the remaining sound: at once.
    EXPECT_EQ(DecideReady(-20, 1500), ReadyAction::StartRecording);
    EXPECT_EQ(DecideReady(-20, 0), ReadyAction::StartRecording);
}

TEST(MeasurementRun, GaugePercentagesAreWholeNumbers)
{
    EXPECT_EQ(GaugePercent(0.0, 3), 0);
    EXPECT_EQ(GaugePercent(1.499, 3), 49);
    EXPECT_EQ(GaugePercent(0.999, 1), 99);
    EXPECT_EQ(GaugePercent(1.05, 1), 105);
}

TEST(MeasurementRun, EachStateHasItsLook)
{
    ScreenSettings screen = ScreenSettings::Factory();
    screen.GaugeStyle = 0;
    const StateLook waiting = LookOf(Waiting, screen);
    EXPECT_EQ(waiting.BandText, QStringLiteral("たいきちゅう"));
    EXPECT_EQ(waiting.BandBackColor, Rgb(0, 0, 255));
    EXPECT_EQ(waiting.Pointer, BandPointer::Go);
    EXPECT_TRUE(waiting.NextEntryVisible);
    const StateLook ready = LookOf(Ready, screen);
    EXPECT_EQ(ready.BandText, QStringLiteral("いくよ！"));
    EXPECT_EQ(ready.ScreenBackColor, screen.WaitingBackColor);
    EXPECT_FALSE(ready.NextEntryVisible);
    const StateLook measuring = LookOf(Measuring, screen);
    EXPECT_EQ(measuring.ScreenBackColor, Rgb(0, 0, 160));
    EXPECT_EQ(measuring.BandBackColor, Rgb(128, 0, 0));
    EXPECT_TRUE(measuring.BarBoxVisible);
    screen.GaugeStyle = 1;
    EXPECT_FALSE(LookOf(Measuring, screen).BarBoxVisible);
    const StateLook stopped = LookOf(Stopped, screen);
    EXPECT_EQ(stopped.BandText, QStringLiteral("ていしちゅう"));
    EXPECT_EQ(stopped.Pointer, BandPointer::Next);
    EXPECT_FALSE(stopped.BarBoxVisible);
}

TEST(MeasurementRun, TheReadyBlinkStartsWithTheBlinkColours)
{
    const ScreenSettings screen = ScreenSettings::Factory();
    EXPECT_EQ(ReadyBlinkColours(0, screen).ScreenBackColor, screen.ReadyBlinkBackColor);
    EXPECT_EQ(ReadyBlinkColours(0, screen).BandBackColor, screen.ReadyBlinkBandColor);
    EXPECT_EQ(ReadyBlinkColours(1, screen).ScreenBackColor, screen.WaitingBackColor);
    EXPECT_EQ(ReadyBlinkColours(1, screen).BandBackColor, screen.BandBackColor[1]);
}

TEST(MeasurementRun, TextsOfTheWaitingScreen)
{
    EXPECT_EQ(NextEntryText(1), QStringLiteral("次は 1番"));
    EXPECT_EQ(NextEntryText(3000), QStringLiteral("次は 3000番"));
    EXPECT_EQ(NextEntryText(12, QStringLiteral("山田 太郎")), QStringLiteral("次は 12番　山田 太郎 さん"));
    EXPECT_FALSE(LogIsFull(3000));
    EXPECT_TRUE(LogIsFull(3001));
    ScreenSettings screen = ScreenSettings::Factory();
    EXPECT_EQ(LongestStateText(screen), 3) << "よみこみちゅう";
    screen.BandText = {QString(), QStringLiteral("abcd"), QStringLiteral("wxyz"), QStringLiteral("a"), QStringLiteral("b")};
    EXPECT_EQ(LongestStateText(screen), 1) << "the first of equally long texts";
}

TEST(MeasurementRun, TheFirstSettingsFileWithAValueBeyondItsLimitsIsNamed)
{
    SettingsRecord settings{BasicSettings::Factory(), ScreenSettings::Factory(), SoundSettings::Factory(QStringLiteral("/contest")),
                            EffectSettings::Factory(), MicSettings::Factory()};
    EXPECT_EQ(SettingsFileOutsideLimits(settings), std::nullopt);
    settings.Mic.Quality = static_cast<RecordingQuality>(3);
    EXPECT_EQ(SettingsFileOutsideLimits(settings), QStringLiteral("KANKYOUB.REC"));
    settings.Screen.WaitingBackColor = 0x1000000;
    EXPECT_EQ(SettingsFileOutsideLimits(settings), QStringLiteral("KANKYOU2.REC"));
    settings.Basic.MeasureSeconds = 31;
    EXPECT_EQ(SettingsFileOutsideLimits(settings), QStringLiteral("KANKYOU1.REC"));
}
