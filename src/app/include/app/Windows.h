#pragma once

#include "app/HallPage.h"
#include "core/OpenRequests.h"

#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class AppContext;
struct EntrantRecorded;
struct ResultRecord;
class BasicSettingsWindow;
class EffectSettingsWindow;
class EntrantsWindow;
class HelpWindow;
class HallCodeWindow;
class LockedActionWindow;
class MeasurementLogWindow;
class MeasurementScreen;
class MicrophoneSettingsWindow;
class PrintPreview;
class QDialog;
class QWidget;
class RankingBoard;
class ResultDisplay;
class ScoreMonitor;
class ScoreSheetOutput;
class ScoreSheetPrinting;
class ScreenSettingsWindow;
class SoundSettingsWindow;
class VersionWindow;

// The application's windows, one of each kind, made on first use and reused
// for the whole run, each wired to the others as it is made: no window makes
// another, they meet only here. A window that opens modally is made with its
// first owner as parent; the score sheet output and the score monitor are
// made without one, so that they keep the program running when the menu is
// closed before them. The names in brackets are those of the original forms.
class Windows {
public:
    explicit Windows(AppContext& context);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    MeasurementScreen& measurementScreen(QWidget* owner);     // MainFRM
    ResultDisplay& resultDisplay(QWidget* owner);             // VhyoFRM
    RankingBoard& rankingBoard(QWidget* owner);               // ZanFRM
    ScoreSheetOutput& scoreSheetOutput();                     // VVPRNOUT
    PrintPreview& printPreview(QWidget* owner);               // PreView1
    ScoreMonitor& scoreMonitor();                             // EVHYO30
    MeasurementLogWindow& measurementLog(QWidget* owner);     // EVCHK02
    BasicSettingsWindow& basicSettings(QWidget* owner);       // VVSET01
    ScreenSettingsWindow& screenSettings(QWidget* owner);     // VVSET02
    SoundSettingsWindow& soundSettings(QWidget* owner);       // VVSET03
    MicrophoneSettingsWindow& microphoneSettings(QWidget* owner); // EVSET20
    EffectSettingsWindow& effectSettings(QWidget* owner);     // EVSET09
    LockedActionWindow& dataClear(QWidget* owner);            // InitFRM
    LockedActionWindow& factoryResetRequest(QWidget* owner);  // EVSET00
    VersionWindow& versionWindow(QWidget* owner);             // S_VERFRM
    // The list of entrants (no original form): modeless, with the menu as parent.
    EntrantsWindow& entrantsWindow(QWidget* owner);
    HelpWindow& helpWindow(const QString& manualFolder, QWidget* owner);
    HallCodeWindow& hallCodeWindow(QWidget* owner);

    // Starts or stops the hall's page as ZUVELO.INI says: at start-up, once
    // the contest is loaded, and whenever the screen settings window closes.
    void ApplyHallOptions();
    // The hall page's QR code full screen, or the operator is told that the
    // page is off.
    void ShowHallCode(QWidget* owner);

    // The two windows that open either from the menu or for the entrant just
    // stored, with the request that says which. The score sheet output opens
    // at the position of `owner` (the menu); for the entrant just stored it
    // prints the sheet without ever showing itself. The score monitor opens
    // beside the menu, or modally for the entrant just stored, anew when it
    // was already open.
    void OpenScoreSheetOutput(const ScoreSheetRequest& request, QWidget* owner);
    void OpenScoreMonitor(const ScoreMonitorRequest& request);

    // Opens the help window on the manual in the first of `manualFolders`
    // that holds it, beside `owner`; when none does, the operator is told so
    // with the folders looked in.
    void OpenHelp(const QStringList& manualFolders, QWidget* owner);

    // The program's end asked from outside (a termination signal): the
    // result display, when it shows, closes as the operator would close it
    // and stores its result, but opens neither the score sheet nor the score
    // monitor after it; then the program is asked to end, which stops a
    // measurement in progress without storing it and closes every other
    // window without its close handler, so nothing else is stored and no
    // question waits for an answer.
    void EndAsClosed();

    // Opens the window and waits until it is closed.
    static void ShowModal(QDialog& window);
    // Opens the window in front of all others and returns at once; the
    // caller follows its finished signal.
    static void OpenModal(QDialog& window);
    // Opens the window beside the menu, in front.
    static void ShowModeless(QWidget& window);

private:
    // Tells the open score monitor and the hall's page that the log changed
    // as a whole, or that this result was stored.
    void FollowLog();
    void FollowStore(const EntrantRecorded& stored);

    // A window that stores settings accepts only once they are stored: the
    // windows that follow them are then told.
    template <class Window>
    Window* Publishing(Window* window);

    // The window kept in `kept`, made by `make` when there is none (yet).
    template <class Window, class Make>
    Window& Kept(QPointer<Window>& kept, Make make)
    {
        if (!kept) {
            kept = make();
            Made.emplace_back(kept.data());
        }
        return *kept;
    }

    AppContext& Context;
    QPointer<MeasurementScreen> Measurement;
    QPointer<ResultDisplay> Result;
    QPointer<RankingBoard> Ranking;
    QPointer<ScoreSheetOutput> ScoreSheet;
    QPointer<PrintPreview> Preview;
    QPointer<ScoreMonitor> Monitor;
    QPointer<MeasurementLogWindow> Log;
    QPointer<BasicSettingsWindow> Basic;
    QPointer<ScreenSettingsWindow> Screen;
    QPointer<SoundSettingsWindow> Sound;
    QPointer<MicrophoneSettingsWindow> Microphone;
    QPointer<EffectSettingsWindow> Effect;
    QPointer<LockedActionWindow> DataClearWindow;
    QPointer<LockedActionWindow> FactoryResetWindow;
    QPointer<VersionWindow> Version;
    QPointer<EntrantsWindow> Entrants;
    QPointer<HelpWindow> Help;
    QPointer<HallCodeWindow> HallCode;
    // Set once the program ends: the windows open nothing more.
    bool Ending = false;
    // Every window made, for the ones without a parent to be deleted.
    std::vector<QPointer<QWidget>> Made;
    // Its server's threads touch no window.
    HallPage Hall;
    // Prints the sheets of entrants just stored while the window is closed.
    std::unique_ptr<ScoreSheetPrinting> StoredSheets;
};
