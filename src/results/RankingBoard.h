#pragma once

#include "measure/FullScreenWindow.h"
#include "store/ResultRecord.h"

#include <array>
#include <vector>

class ContestState;
class ClickLabel;
class QTimer;

// The full-screen ranking board for the audience: ten ranks per page with
// entry number and total, paged with the mouse; a character key closes it,
// and it closes by itself three minutes after it opened.
class RankingBoard : public FullScreenWindow {
public:
    explicit RankingBoard(ContestState& context, QWidget* parent = nullptr);

    void Form_Load() override;
    void BoardLayout();
    void PageCount();
    void PageLoad(int page);
    void PageShow();
    // A key that produces a character (`keyAscii` not 0).
    void Form_KeyPress(int keyAscii);
    void Form_MouseDown(Qt::MouseButton button);
    void HYOX1_MouseDown(int index, Qt::MouseButton button);
    void LmtTM_Timer();

    std::array<ClickLabel*, 10> HYOX1{};
    ClickLabel* LB1 = nullptr;
    QTimer* LmtTM = nullptr;

    int CurrentPage = 1;
    int LastPage = 1;
    int IdleSeconds = 0;
    std::array<QString, 10> RowTexts;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void LayOutForScreen() override;

private:
    ContestState& Context;
    // The ranking file as the pass at opening wrote it, in rank order.
    std::vector<ResultRecord> Ranking;
};
