// Shows the measurement screen in each of its looks, both layouts and both
// gauge styles, and the result display, then both with entrants' names of
// every length, on the X display, and photographs
// the whole display after each into the folder given as the only argument.
#include "widgets/ContestSession.h"
#include "measure/MeasurementScreen.h"
#include "core/RecordingFile.h"
#include "widgets/DesktopSetup.h"
#include "results/ResultDisplay.h"
#include "support/ShownLevels.h"
#include "core/SettingsStore.h"
#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void ShootLooks(ContestSession& context, bool fullGauge, int gaugeStyle)
{
    context.Settings.Screen = ScreenSettings::Factory();
    context.Settings.Screen.FullGaugeLayout = fullGauge;
    context.Settings.Screen.GaugeStyle = static_cast<int16_t>(gaugeStyle);
    SaveScreenSettings(context);
    const QString suffix = QStringLiteral("-%1-%2").arg(fullGauge ? QStringLiteral("full") : QStringLiteral("heading"),
                                                         gaugeStyle == BarGauge ? QStringLiteral("bar") : QStringLiteral("circle"));
    MeasurementScreen screen(context);
    screen.show();
    Shoot(QStringLiteral("1-waiting") + suffix);
    screen.ShowState(Ready);
    screen.DrawGauge(-1);
    Shoot(QStringLiteral("2-ready") + suffix);
    screen.Blink();
    Shoot(QStringLiteral("2-ready-blink") + suffix);
    screen.ShowState(Measuring);
    for (int percent : {10, 20, 30, 40, 62})
        screen.DrawGauge(percent);
    Shoot(QStringLiteral("3-measuring") + suffix);
    screen.ShowState(Stopped);
    Shoot(QStringLiteral("4-stopped") + suffix);
    screen.close();
}

void ShootResult(ContestSession& context, const QString& name, std::optional<EntrantLevel> level = std::nullopt)
{
    context.Settings.Screen = ScreenSettings::Factory();
    SaveScreenSettings(context);
    for (int n = 1; n < 25; ++n)
        context.Contest.ScoreTable[n] = static_cast<int16_t>(n * 80);
    context.Contest.EntryNo = 25;
    ResultDisplay result(context);
    MeasuredEntrant entrant;
    entrant.EntryNo = 25;
    entrant.Result.TotalPoints = Points{1234};
    entrant.Level = level;
    result.SetEntrant(entrant);
    result.show();
    Shoot(name);
    result.close();
}


void ShootNamed(ContestSession& context, const QString& names)
{
    for (bool fullGauge : {false, true}) {
        context.Settings.Screen = ScreenSettings::Factory();
        context.Settings.Screen.FullGaugeLayout = fullGauge;
        SaveScreenSettings(context);
        MeasurementScreen screen(context);
        screen.show();
        Shoot(QStringLiteral("6-waiting-named-%1-%2").arg(names, fullGauge ? QStringLiteral("full") : QStringLiteral("heading")));
        screen.close();
    }
    ShootResult(context, QStringLiteral("7-result-named-") + names);
}

}

int main(int argc, char* argv[])
{
    if (!TakeOutputFolder(argc, argv, "MeasurementScreenshots"))
        return 2;
    QApplication application(argc, argv);
    InstallFontSubstitutions();

    FactoryContest contest;
    ContestSession& context = contest.Context;
    context.Settings.Basic.SoundOn = false;
    SaveBasicSettings(context);

    for (bool fullGauge : {false, true}) {
        for (int style : {BarGauge, CircleGauge})
            ShootLooks(context, fullGauge, style);
    }
    ShootResult(context, QStringLiteral("5-result"));

    // With the entrants' names, then with names of the full 40 characters:
    // the next entrant's and the result's.
    RegisterLongNames(context);
    ShootNamed(context, QStringLiteral("short"));
    EntrantRoster longest;
    longest.Set(1, {QString(40, QChar(u'寿')), {}});
    longest.Set(25, {QStringLiteral("Alexandra Wilhelmina Montgomery-Smythe"), {}});
    WriteEntrantRoster(context.Folder, longest);
    ShootNamed(context, QStringLiteral("long"));

    // With a calibrated sound level under the points.
    StoreShownLevels(context, 0);
    ShootResult(context, QStringLiteral("8-result-level"), EntrantLevel{112.34, 124.7, 104.4, false, 101.5, 50});
    return 0;
}
