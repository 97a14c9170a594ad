#include "core/SettingsRecord.h"

#include "core/BooleanText.h"

BasicSettings BasicSettings::Factory()
{
    BasicSettings basic;
    basic.MeasureSeconds = 3;
    basic.SoundOn = true;
    basic.PauseAtStop = true;
    basic.WaveformDisplay = false;
    basic.WaveformWhiteOnBlack = false;
    basic.PrintAtOnce = false;
    basic.StartWaitTenths = 0;
    return basic;
}

ScreenSettings ScreenSettings::Factory()
{
    const QString gothic = QStringLiteral("ＭＳ ゴシック");
    const QString no = BooleanText(false);
    ScreenSettings screen;
    screen.FullGaugeLayout = false;
    screen.WaitingBackColor = Rgb(0, 128, 64);
    screen.MeasuringBackColor = Rgb(0, 0, 160);
    screen.StoppedBackColor = Rgb(0, 128, 64);
    screen.ResultBackColor = Rgb(0, 0, 0);
    screen.ResultForeColor = Rgb(255, 255, 255);
    screen.ResultFontName = gothic;
    screen.ResultFontBold = no;
    screen.ResultFontItalic = no;
    screen.ReadyBlinkBackColor = Rgb(0, 0, 0);
    screen.ReadyBlinkBandColor = Rgb(0, 0, 0);
    screen.BandBackColor = {Rgb(0, 0, 255), Rgb(0, 0, 255), Rgb(255, 0, 0), Rgb(128, 0, 0), Rgb(0, 128, 64)};
    screen.BandForeColor.fill(Rgb(255, 255, 255));
    screen.BandText = {QStringLiteral("おおごえ大会"), QStringLiteral("たいきちゅう"), QStringLiteral("いくよ！"),
                       QStringLiteral("よみこみちゅう"), QStringLiteral("ていしちゅう")};
    screen.BandFontName = gothic;
    screen.BandFontBold = no;
    screen.BandFontItalic = no;
    screen.GaugeStyle = 1;
    return screen;
}

SoundSettings SoundSettings::Factory(const QString& programFolder)
{
    static const std::array<const char*, SoundSlotCount> names = {"start.wav", "stop.wav", "v1.wav", "v2.wav",
                                                                  "v3.wav",    "v4.wav",   "v5.wav"};
    SoundSettings sound;
    for (int slot = 0; slot < SoundSlotCount; ++slot)
        sound.SoundFile[slot] = programFolder + QLatin1Char('/') + QLatin1String(names[slot]);
    sound.SoundEnabled.fill(true);
    sound.RankSoundFromEntry = 5;
    return sound;
}

EffectSettings EffectSettings::Factory()
{
    EffectSettings effect;
    effect.BlinkTopRanks = true;
    effect.BlinkInterval = 3;
    effect.BlinkRankLimit = 3;
    effect.BlinkColor = {Rgb(0, 255, 0), Rgb(255, 255, 0), Rgb(255, 0, 0)};
    return effect;
}

MicSettings MicSettings::Factory()
{
    MicSettings mic;
    mic.NoiseCutLevel = 10;
    mic.Quality = RecordingQuality::Normal;
    return mic;
}
