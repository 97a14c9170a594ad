#pragma once

#include "measure/FullScreenWindow.h"
#include "platform/MultimediaPlayer.h"
#include "store/OpenRequests.h"

#include <functional>

class ContestState;
class ClickLabel;
class QLabel;
class QTimer;

// The full-screen result of the entrant just measured: the total very large,
// the rank among all entrants so far, a rank sound and, for top ranks, a
// blinking background. Closing it stores the result and moves on to the next
// entrant.
class ResultDisplay : public FullScreenWindow {
public:
    ResultDisplay(ContestState& context, QWidget* parent = nullptr);

    void Form_Load() override;
    void JuniCall();
    void ResultLayout();
    void SoundCall(int slot);
    void LogWrite();
    void Form_KeyDown(int key);
    void Form_MouseDown();
    void LBX_MouseDown();
    void BKTMR_Timer();
    void LmtTM_Timer();
    void Form_Unload();

    ClickLabel* LBX = nullptr;
    ClickLabel* LB1 = nullptr;
    MultimediaPlayer MM2;
    QTimer* BKTMR = nullptr;
    QTimer* LmtTM = nullptr;

    int Rank = 0;
    int Seconds = 0;
    int BlinkPhase = 0;
    int SavedEntryNo = 0;

    // The score sheet output and the score monitor for the entrant just
    // stored, as the application wires them.
    std::function<void(const ScoreSheetRequest&)> OpenScoreSheetOutput;
    std::function<void(const ScoreMonitorRequest&)> OpenScoreMonitor;

    QColor BackColor() const;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void LayOutForScreen() override;

private:
    void SetBackColor(int32_t colour);
    void StartRankEffects();

    ContestState& Context;
};
