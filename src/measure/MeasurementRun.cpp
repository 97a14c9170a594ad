#include "measure/MeasurementRun.h"

#include "core/DisplayFormat.h"
#include "core/ContestValues.h"
#include "core/SettingsLimits.h"

#include <cmath>

StateLook LookOf(ScreenState state, const ScreenSettings& screen)
{
    const int look = static_cast<int>(state) + 1;
    StateLook result{screen.BandText[look], screen.BandForeColor[look], screen.BandBackColor[look],
                     screen.WaitingBackColor, BandPointer::NoDrop, false, false, false};
    switch (state) {
    case Waiting:
        result.Pointer = BandPointer::Go;
        result.NextEntryVisible = true;
        result.ClearScreen = true;
        break;
    case Ready:
        break;
    case Measuring:
        result.ScreenBackColor = screen.MeasuringBackColor;
        result.BarBoxVisible = screen.GaugeStyle == 0;
        break;
    case Stopped:
        result.ScreenBackColor = screen.StoppedBackColor;
        result.Pointer = BandPointer::Next;
        break;
    }
    return result;
}

QString NextEntryText(int entryNo, const QString& name)
{
    const QString number = QStringLiteral("次は") + FormatNumber(entryNo) + QStringLiteral("番");
    return name.isEmpty() ? number : number + QStringLiteral("　%1 さん").arg(name);
}

int LongestStateText(const ScreenSettings& screen)
{
    int longest = 1;
    for (int look = 2; look <= 4; ++look) {
        if (screen.BandText[look].size() > screen.BandText[longest].size())
            longest = look;
    }
    return longest;
}

bool LogIsFull(int entryNo)
{
    return entryNo > MaxEntrants;
}

BlinkColours ReadyBlinkColours(int tick, const ScreenSettings& screen)
{
    if (tick % 2 != 0)
        return {screen.WaitingBackColor, screen.BandBackColor[1]};
    return {screen.ReadyBlinkBackColor, screen.ReadyBlinkBandColor};
}

ReadyAction DecideReady(int startWaitTenths, int64_t remainingMs)
{
    if (startWaitTenths < 0 && remainingMs < -int64_t(startWaitTenths) * 100)
        return ReadyAction::StartRecording;
    if (remainingMs == 0 && startWaitTenths == 0)
        return ReadyAction::StartRecording;
    if (remainingMs == 0 && startWaitTenths > 0)
        return ReadyAction::StartAfterWait;
    return ReadyAction::KeepWaiting;
}

int GaugePercent(double elapsedSeconds, int measureSeconds)
{
    return static_cast<int>(std::floor(elapsedSeconds * 100 / measureSeconds));
}

std::optional<QString> SettingsFileOutsideLimits(const SettingsRecord& settings)
{
    if (FirstLineOutsideLimits(settings.Basic) != 0)
        return QStringLiteral("KANKYOU1.REC");
    if (FirstLineOutsideLimits(settings.Screen) != 0)
        return QStringLiteral("KANKYOU2.REC");
    if (FirstLineOutsideLimits(settings.Sound) != 0)
        return QStringLiteral("KANKYOU3.REC");
    if (FirstLineOutsideLimits(settings.Effect) != 0)
        return QStringLiteral("KANKYOU4.REC");
    if (FirstLineOutsideLimits(settings.Mic) != 0)
        return QStringLiteral("KANKYOUB.REC");
    return std::nullopt;
}
