#include "app/MenuWindows.h"

#include "app/AppContext.h"
#include "app/ContestReset.h"
#include "app/LockedActionWindow.h"
#include "app/VersionWindow.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "measure/MeasurementScreen.h"
#include "report/PrintPreview.h"
#include "report/ScoreSheetOutput.h"
#include "results/MeasurementLogWindow.h"
#include "results/ScoreMonitor.h"
#include "results/ResultDisplay.h"
#include "results/RankingBoard.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"

namespace {

void WireMeasurementScreen(WindowRegistry& windows, MeasurementScreen* screen)
{
    screen->ShowResultDisplay = [&windows, screen](const MeasuredEntrant& entrant) {
        windows.ShowModal(WindowName::VhyoFRM, screen,
                          [&entrant](QWidget* display) { static_cast<ResultDisplay*>(display)->SetEntrant(entrant); });
    };
    screen->ShowRankingBoard = [&windows, screen] { windows.ShowModal(WindowName::ZanFRM, screen); };
}

void WireResultDisplay(WindowRegistry& windows, ResultDisplay* display)
{
    display->OpenScoreSheetOutput = [&windows, display](const ScoreSheetRequest& request) {
        OpenScoreSheetOutput(windows, request, display);
    };
    display->OpenScoreMonitor = [&windows, display](const ScoreMonitorRequest& request) {
        OpenScoreMonitor(windows, request, display);
    };
}

void WireScoreSheetOutput(WindowRegistry& windows, ScoreSheetOutput* output)
{
    output->ShowPreview = [&windows, output](const PageSurface& page) {
        auto* preview = static_cast<PrintPreview*>(windows.Instance(WindowName::PreView1, output));
        preview->SetPage(&page);
        windows.ShowModal(WindowName::PreView1, output);
        preview->SetPage(nullptr);
        return preview->RunStopped();
    };
}

}

// Modal windows are made with their first owner as parent; modeless ones
// (the score sheet output and the score monitor) are made without one.
void RegisterMenuWindows(WindowRegistry& windows, AppContext& context)
{
    windows.Register(WindowName::MainFRM, [&windows, &context](QWidget* parent) {
        auto* screen = new MeasurementScreen(context, parent);
        WireMeasurementScreen(windows, screen);
        return screen;
    });
    windows.Register(WindowName::VhyoFRM, [&windows, &context](QWidget* parent) {
        auto* display = new ResultDisplay(context, parent);
        WireResultDisplay(windows, display);
        return display;
    });
    windows.Register(WindowName::VVSET01, [&context](QWidget* parent) { return new BasicSettingsWindow(context, parent); });
    windows.Register(WindowName::VVSET02, [&context](QWidget* parent) { return new ScreenSettingsWindow(context, parent); });
    windows.Register(WindowName::VVSET03,
                     [&context](QWidget* parent) { return new SoundSettingsWindow(context, context.PlayVolumeCommand, parent); });
    windows.Register(WindowName::EVSET20,
                     [&context](QWidget* parent) { return new MicrophoneSettingsWindow(context, context.RecVolumeCommand, parent); });
    windows.Register(WindowName::EVSET09, [&context](QWidget* parent) { return new EffectSettingsWindow(context, parent); });
    windows.Register(WindowName::ZanFRM, [&context](QWidget* parent) { return new RankingBoard(context, parent); });
    windows.Register(WindowName::EVHYO30, [&context](QWidget*) { return new ScoreMonitor(context); });
    windows.Register(WindowName::EVCHK02, [&context](QWidget* parent) { return new MeasurementLogWindow(context, parent); });
    windows.Register(WindowName::VVPRNOUT, [&windows, &context](QWidget* parent) {
        auto* output = new ScoreSheetOutput(context, parent);
        WireScoreSheetOutput(windows, output);
        return output;
    });
    windows.Register(WindowName::PreView1, [](QWidget* parent) { return new PrintPreview(parent); });
    windows.Register(WindowName::InitFRM, [&context](QWidget* parent) { return new LockedActionWindow(DataClear(context), parent); });
    windows.Register(WindowName::EVSET00,
                     [&context](QWidget* parent) { return new LockedActionWindow(FactoryResetRequest(context), parent); });
    windows.Register(WindowName::S_VERFRM, [&context](QWidget* parent) { return new VersionWindow(context, parent); });
}

void OpenScoreSheetOutput(WindowRegistry& windows, const ScoreSheetRequest& request, QWidget* owner)
{
    auto* output = static_cast<ScoreSheetOutput*>(windows.Instance(WindowName::VVPRNOUT));
    output->Open(request, owner ? owner->pos() : QPoint());
}

void OpenScoreMonitor(WindowRegistry& windows, const ScoreMonitorRequest& request, QWidget* owner)
{
    const auto prepare = [&request](QWidget* window) {
        auto* monitor = static_cast<ScoreMonitor*>(window);
        // Already open beside the menu: it opens anew, for this request.
        if (request.OpenMode != OpenedFromMenu && monitor->isVisible())
            monitor->hide();
        monitor->Request = request;
    };
    if (request.OpenMode == OpenedFromMenu)
        windows.ShowModeless(WindowName::EVHYO30, prepare);
    else
        windows.ShowModal(WindowName::EVHYO30, owner, prepare);
}
