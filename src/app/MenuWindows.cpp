// How the windows are made and wired to each other: the measurement screen to
// the result display and the ranking board, the result display to the score
// sheet output and the score monitor, the score sheet output to the preview;
// the score monitor and the hall's page follow every store and data clear;
// the hall's page starts or stops as the screen settings leave it.
#include "app/Windows.h"

#include "app/AppContext.h"
#include "app/ContestReset.h"
#include "app/LockedActionWindow.h"
#include "app/VersionWindow.h"
#include "entrants/EntrantsWindow.h"
#include "help/HelpWindow.h"
#include "measure/MeasurementScreen.h"
#include "report/PrintPreview.h"
#include "report/ScoreSheetOutput.h"
#include "report/ScoreSheetPrinting.h"
#include "results/HallCodeWindow.h"
#include "results/MeasurementLogWindow.h"
#include "results/ScoreMonitor.h"
#include "results/ResultDisplay.h"
#include "results/RankingBoard.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"

#include <QWindow>

template <class Window>
Window* Windows::Publishing(Window* window)
{
    QObject::connect(window, &QDialog::accepted, window, [this] { Context.PublishSettings(); });
    return window;
}

MeasurementScreen& Windows::measurementScreen(QWidget* owner)
{
    return Kept(Measurement, [this, owner] {
        auto* screen = new MeasurementScreen(Context, owner);
        QObject::connect(screen, &MeasurementScreen::resultDisplayRequested, screen,
                         [this, screen](const MeasuredEntrant& entrant) {
                             ResultDisplay& display = resultDisplay(screen);
                             display.SetEntrant(entrant);
                             QObject::connect(&display, &QDialog::finished, screen, &MeasurementScreen::resultDisplayClosed,
                                              Qt::UniqueConnection);
                             OpenModal(display);
                         });
        // The board covers the waiting screen until a key, a click or its
        // time closes it; the screen waits on, as before it opened.
        QObject::connect(screen, &MeasurementScreen::rankingBoardRequested, screen,
                         [this, screen] { OpenModal(rankingBoard(screen)); });
        return screen;
    });
}

ResultDisplay& Windows::resultDisplay(QWidget* owner)
{
    return Kept(Result, [this, owner] {
        auto* display = new ResultDisplay(Context, owner);
        QObject::connect(display, &ResultDisplay::scoreSheetRequested, display,
                         [this, display](const ScoreSheetRequest& request) {
                             if (!Ending)
                                 OpenScoreSheetOutput(request, display);
                         });
        QObject::connect(display, &ResultDisplay::scoreMonitorRequested, display, [this](const ScoreMonitorRequest& request) {
            if (!Ending)
                OpenScoreMonitor(request);
        });
        QObject::connect(display, &ResultDisplay::resultStored, display,
                         [this](const EntrantRecorded& stored) { FollowStore(stored); });
        return display;
    });
}

RankingBoard& Windows::rankingBoard(QWidget* owner)
{
    RankingBoard& board = Kept(Ranking, [this, owner] { return new RankingBoard(Context, owner); });
    board.SetHallUrl(Context.HallUrl);
    return board;
}

ScoreSheetOutput& Windows::scoreSheetOutput()
{
    return Kept(ScoreSheet, [this] {
        auto* output = new ScoreSheetOutput(Context);
        // The range holds while its sheet is on view.
        QObject::connect(output, &ScoreSheetOutput::previewRequested, output, [this, output](const PageSurface& page) {
            PrintPreview& preview = printPreview(output);
            preview.SetPage(&page);
            QObject::connect(
                &preview, &QDialog::finished, output,
                [output, &preview] {
                    preview.SetPage(nullptr);
                    output->previewClosed(preview.RunStopped());
                },
                Qt::SingleShotConnection);
            OpenModal(preview);
        });
        return output;
    });
}

PrintPreview& Windows::printPreview(QWidget* owner)
{
    return Kept(Preview, [owner] { return new PrintPreview(owner); });
}

ScoreMonitor& Windows::scoreMonitor()
{
    return Kept(Monitor, [this] {
        auto* monitor = new ScoreMonitor(Context);
        // Open beside the menu, it draws with the settings just stored.
        QObject::connect(&Context, &ContestSession::settingsPublished, monitor, [monitor] {
            if (monitor->isVisible())
                monitor->ShowEntrant();
        });
        return monitor;
    });
}

EntrantsWindow& Windows::entrantsWindow(QWidget* owner)
{
    return Kept(Entrants, [this, owner] {
        auto* window = new EntrantsWindow(Context, owner);
        // The hall's page shows the names as stored.
        QObject::connect(window, &EntrantsWindow::rosterStored, window, [this] { Hall.Refresh(); });
        return window;
    });
}

MeasurementLogWindow& Windows::measurementLog(QWidget* owner)
{
    return Kept(Log, [this, owner] { return Publishing(new MeasurementLogWindow(Context, owner)); });
}

BasicSettingsWindow& Windows::basicSettings(QWidget* owner)
{
    return Kept(Basic, [this, owner] { return Publishing(new BasicSettingsWindow(Context, owner)); });
}

ScreenSettingsWindow& Windows::screenSettings(QWidget* owner)
{
    return Kept(Screen, [this, owner] {
        auto* window = Publishing(new ScreenSettingsWindow(Context, owner));
        QObject::connect(window, &QDialog::finished, window, [this] { Hall.Apply(); });
        return window;
    });
}

SoundSettingsWindow& Windows::soundSettings(QWidget* owner)
{
    return Kept(Sound, [this, owner] { return Publishing(new SoundSettingsWindow(Context, Context.PlayVolumeCommand, owner)); });
}

MicrophoneSettingsWindow& Windows::microphoneSettings(QWidget* owner)
{
    return Kept(Microphone,
                [this, owner] { return Publishing(new MicrophoneSettingsWindow(Context, Context.RecVolumeCommand, owner)); });
}

EffectSettingsWindow& Windows::effectSettings(QWidget* owner)
{
    return Kept(Effect, [this, owner] { return Publishing(new EffectSettingsWindow(Context, owner)); });
}

LockedActionWindow& Windows::dataClear(QWidget* owner)
{
    return Kept(DataClearWindow, [this, owner] {
        auto* window = new LockedActionWindow(DataClear(Context), owner);
        QObject::connect(window, &LockedActionWindow::actionDone, window, [this] { FollowLog(); });
        return window;
    });
}

LockedActionWindow& Windows::factoryResetRequest(QWidget* owner)
{
    return Kept(FactoryResetWindow, [this, owner] {
        auto* window = new LockedActionWindow(FactoryResetRequest(Context), owner);
        QObject::connect(window, &LockedActionWindow::actionDone, window, [this] { FollowLog(); });
        return window;
    });
}

VersionWindow& Windows::versionWindow(QWidget* owner)
{
    return Kept(Version, [this, owner] { return new VersionWindow(Context, owner); });
}

HelpWindow& Windows::helpWindow(const QString& manualFolder, QWidget* owner)
{
    return Kept(Help, [manualFolder, owner] { return new HelpWindow(manualFolder, owner); });
}

void Windows::OpenHelp(const QStringList& manualFolders, QWidget* owner)
{
    const QString folder = FindManual(manualFolders);
    if (folder.isEmpty()) {
        Context.Messages.Inform(ManualMissingMessage(manualFolders), MessageIcon::None);
        return;
    }
    helpWindow(folder, owner).OpenBeside(owner);
}

HallCodeWindow& Windows::hallCodeWindow(QWidget* owner)
{
    return Kept(HallCode, [this, owner] { return new HallCodeWindow(Context, owner); });
}

void Windows::ApplyHallOptions()
{
    Hall.Apply();
}

void Windows::ShowHallCode(QWidget* owner)
{
    if (Context.HallUrl.isEmpty()) {
        Context.Messages.Inform(QStringLiteral("会場Webは止まっています。\n環境 → 画面の「会場Web」で公開にしてください。"),
                                MessageIcon::Information, QStringLiteral("会場Web"));
        return;
    }
    HallCodeWindow& window = hallCodeWindow(owner);
    window.SetUrl(Context.HallUrl);
    ShowModal(window);
}

void Windows::OpenScoreSheetOutput(const ScoreSheetRequest& request, QWidget* owner)
{
    // The sheet of an entrant just stored is printed without the window,
    // unless it is open beside the menu with a printer chosen.
    if (request.OpenMode == OpenedAfterMeasurement && !(ScoreSheet && ScoreSheet->isVisible())) {
        if (!StoredSheets)
            StoredSheets = std::make_unique<ScoreSheetPrinting>(Context);
        StoredSheets->PrintOnRememberedPrinter(request.EntryNo);
        return;
    }
    ScoreSheetOutput& output = scoreSheetOutput();
    // Without a parent, so that it outlives the menu, yet the menu's for the
    // compositor, which would otherwise open it under the pointer.
    if (owner) {
        output.winId();
        output.windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    output.Open(request, owner ? owner->pos() : QPoint());
}

void Windows::EndAsClosed()
{
    Ending = true;
    if (Result && Result->isVisible())
        Result->close();
    Context.EndProgram();
}

void Windows::FollowLog()
{
    // A monitor open beside the contest follows the log; one never made has
    // nothing to follow.
    if (Monitor)
        Monitor->FollowLog();
    Hall.Refresh();
}

void Windows::FollowStore(const EntrantRecorded& stored)
{
    if (Monitor)
        Monitor->FollowStored(stored.Record);
    Hall.AddStored(stored.Record, stored.Level);
}

void Windows::OpenScoreMonitor(const ScoreMonitorRequest& request)
{
    ScoreMonitor& monitor = scoreMonitor();
    // Already open beside the menu: it opens anew, for this request.
    if (request.OpenMode != OpenedFromMenu && monitor.isVisible())
        monitor.hide();
    monitor.SetRequest(request);
    if (request.OpenMode == OpenedFromMenu)
        ShowModeless(monitor);
    else
        OpenModal(monitor);
}

