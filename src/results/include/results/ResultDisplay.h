#pragma once

#include "widgets/FullScreenWindow.h"
#include "audio/MultimediaPlayer.h"
#include "core/ContestOperations.h"
#include "core/MeasureResult.h"
#include "core/OpenRequests.h"

class ContestSession;
class ClickLabel;
class QLabel;
class QTimer;

// The full-screen result of the entrant just measured: the total very large,
// the rank among all entrants so far, a rank sound and, for top ranks, a
// blinking background. Closing it stores the result and moves on to the next
// entrant; a result that could not be stored is reported, and then neither
// its sheet nor its monitor is asked for.
class ResultDisplay : public FullScreenWindow {
    Q_OBJECT
public:
    ResultDisplay(ContestSession& context, QWidget* parent = nullptr);

    // The entrant the next opening shows and, on closing, stores.
    void SetEntrant(const MeasuredEntrant& entrant) { Entrant = entrant; }

    void LoadOnOpen() override;
    void RankEntrant();
    void ResultLayout();
    void SoundCall(int slot);
    std::optional<EntrantRecorded> LogWrite();
    void PressKey(int key);
    void PressMouse();
    void ScoreMouseDown();
    // Each step of the blink and each second shown.
    void BlinkTick();
    void CountSecond();
    void StoreOnClose();

    int Rank() const { return EntrantRank; }
    const MultimediaPlayer& RankSoundPlayer() const { return rankSound; }

    QColor BackColor() const;

signals:
    // The entrant just stored wants its sheet printed at once, then its
    // score monitor shown, as the basic settings ask.
    void scoreSheetRequested(const ScoreSheetRequest& request);
    void scoreMonitorRequested(const ScoreMonitorRequest& request);
    // The entrant's result is now in the log, as this record with this rank.
    void resultStored(const EntrantRecorded& stored);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void LayOutForScreen() override;

private:
    void SetBackColor(int32_t colour);
    void StartRankEffects();
    void NameLayout(double scoreTop);

    ContestSession& Context;
    ClickLabel* scoreLabel = nullptr;
    ClickLabel* rankLabel = nullptr;
    QLabel* nameLabel = nullptr;
    MultimediaPlayer rankSound;
    QTimer* blinkTimer = nullptr;
    QTimer* secondTimer = nullptr;

    int EntrantRank = 0;
    int Seconds = 0;
    int BlinkPhase = 0;
    // The entrant's name for the hall; empty shows the score alone.
    QString EntrantNameText;
    MeasuredEntrant Entrant;
};
