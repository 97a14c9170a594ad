#include "app/MenuWindows.h"

#include "app/AppContext.h"
#include "app/EVSET00.h"
#include "app/InitFRM.h"
#include "app/S_VERFRM.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "measure/MainFRM.h"
#include "report/PreView1.h"
#include "report/VVPRNOUT.h"
#include "results/EVCHK02.h"
#include "results/EVHYO30.h"
#include "results/VhyoFRM.h"
#include "results/ZanFRM.h"
#include "settings/EVSET09.h"
#include "settings/EVSET20.h"
#include "settings/VVSET01.h"
#include "settings/VVSET02.h"
#include "settings/VVSET03.h"

namespace {

void WireMeasurementScreen(WindowRegistry& windows, MainFRM* screen)
{
    screen->ShowResultDisplay = [&windows, screen] { windows.ShowModal(WindowName::VhyoFRM, screen); };
    screen->ShowRankingBoard = [&windows, screen] { windows.ShowModal(WindowName::ZanFRM, screen); };
}

void WireResultDisplay(WindowRegistry& windows, VhyoFRM* display)
{
    display->OpenScoreSheetOutput = [&windows, display](const ScoreSheetRequest& request) {
        OpenScoreSheetOutput(windows, request, display);
    };
    display->OpenScoreMonitor = [&windows, display](const ScoreMonitorRequest& request) {
        OpenScoreMonitor(windows, request, display);
    };
}

void WireScoreSheetOutput(WindowRegistry& windows, VVPRNOUT* output)
{
    output->ShowPreview = [&windows, output](const PageSurface& page, int16_t& previewStopRequest) {
        auto* preview = static_cast<PreView1*>(windows.Instance(WindowName::PreView1, output));
        preview->PCRX = &page;
        preview->PreviewStopRequest = previewStopRequest;
        windows.ShowModal(WindowName::PreView1, output);
        previewStopRequest = preview->PreviewStopRequest;
        preview->PCRX = nullptr;
    };
}

}

// Modal windows are made with their first owner as parent; modeless ones
// ("VVPRNOUT", "EVHYO30") are made without one.
void RegisterMenuWindows(WindowRegistry& windows, AppContext& context)
{
    windows.Register(WindowName::MainFRM, [&windows, &context](QWidget* parent) {
        auto* screen = new MainFRM(context, parent);
        WireMeasurementScreen(windows, screen);
        return screen;
    });
    windows.Register(WindowName::VhyoFRM, [&windows, &context](QWidget* parent) {
        auto* display = new VhyoFRM(context, parent);
        WireResultDisplay(windows, display);
        return display;
    });
    windows.Register(WindowName::VVSET01, [&context](QWidget* parent) { return new VVSET01(context, parent); });
    windows.Register(WindowName::VVSET02, [&context](QWidget* parent) { return new VVSET02(context, parent); });
    windows.Register(WindowName::VVSET03,
                     [&context](QWidget* parent) { return new VVSET03(context, context.PlayVolumeCommand, parent); });
    windows.Register(WindowName::EVSET20,
                     [&context](QWidget* parent) { return new EVSET20(context, context.RecVolumeCommand, parent); });
    windows.Register(WindowName::EVSET09, [&context](QWidget* parent) { return new EVSET09(context, parent); });
    windows.Register(WindowName::ZanFRM, [&context](QWidget* parent) { return new ZanFRM(context, parent); });
    windows.Register(WindowName::EVHYO30, [&context](QWidget*) { return new EVHYO30(context); });
    windows.Register(WindowName::EVCHK02, [&context](QWidget* parent) { return new EVCHK02(context, parent); });
    windows.Register(WindowName::VVPRNOUT, [&windows, &context](QWidget* parent) {
        auto* output = new VVPRNOUT(context, parent);
        WireScoreSheetOutput(windows, output);
        return output;
    });
    windows.Register(WindowName::PreView1, [](QWidget* parent) { return new PreView1(parent); });
    windows.Register(WindowName::InitFRM, [&context](QWidget* parent) { return new InitFRM(context, parent); });
    windows.Register(WindowName::EVSET00, [&context](QWidget* parent) { return new EVSET00(context, parent); });
    windows.Register(WindowName::S_VERFRM, [&context](QWidget* parent) { return new S_VERFRM(context, parent); });
}

void OpenScoreSheetOutput(WindowRegistry& windows, const ScoreSheetRequest& request, QWidget* owner)
{
    auto* output = static_cast<VVPRNOUT*>(windows.Instance(WindowName::VVPRNOUT));
    output->Open(request, owner ? owner->pos() : QPoint());
}

void OpenScoreMonitor(WindowRegistry& windows, const ScoreMonitorRequest& request, QWidget* owner)
{
    const auto prepare = [&request](QWidget* window) {
        auto* monitor = static_cast<EVHYO30*>(window);
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
