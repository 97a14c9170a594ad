#pragma once

#include "core/EntrantLevels.h"

#include "widgets/FullScreenWindow.h"
#include "results/RankingPages.h"
#include "core/EntrantRoster.h"
#include "core/ResultRecord.h"

#include <array>
#include <optional>
#include <vector>

class ContestSession;
class ClickLabel;
class QLabel;
class QTimer;

// The full-screen ranking board for the audience: ten ranks per page with
// entry number and total, paged with the mouse; a character key closes it,
// and it closes by itself three minutes after it opened. While the hall's
// page is on, its QR code and address show small in the bottom-left corner,
// left of and below the rows.
class RankingBoard : public FullScreenWindow {
    Q_OBJECT
public:
    explicit RankingBoard(ContestSession& context, QWidget* parent = nullptr);

    void LoadOnOpen() override;
    // The hall page's address; empty while the page is off.
    void SetHallUrl(const QString& url);
    void BoardLayout();
    void PageCount();
    void PageLoad(int page);
    void PageShow();
    // A key that produces a character (`keyAscii` not 0).
    void PressKey(int keyAscii);
    void PressMouse(Qt::MouseButton button);
    void RowMouseDown(int row, Qt::MouseButton button);
    // Every second: the board closes itself once its time is up.
    void CountIdleSecond();

    int CurrentPage() const { return Page; }
    int LastPage() const { return Last; }
    int IdleSeconds() const { return Idle; }

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second click of a double click is no second press.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void LayOutForScreen() override;

private:
    double RowPoints(double maxRowWidth) const;
    void LayOutHallCorner(int rowsLeft);

    ContestSession& Context;
    // Rows "rankRow0" to "rankRow9".
    std::array<ClickLabel*, BoardRows> rankRows{};
    ClickLabel* pageIndicator = nullptr;
    QLabel* hallCode = nullptr;
    QLabel* hallAddress = nullptr;
    QTimer* idleTimer = nullptr;

    int Page = 1;
    int Last = 1;
    int Idle = 0;
    QString HallUrl;
    std::array<QString, BoardRows> RowTexts;
    // The names of the page's entrants, empty for a row without one.
    std::array<QString, BoardRows> RowNames;
    // The rows' sound levels ("　112.3dB"), while levels are shown.
    std::array<QString, BoardRows> RowLevels;
    std::optional<EntrantLevels> BoardLevels;
    // The rows' font size on a page without names.
    double BoardPoints = 1;
    EntrantRoster HallNames;
    // The ranking file as the pass at opening wrote it, in rank order;
    // nothing when the log cannot be read (the operator has been told).
    std::optional<std::vector<ResultRecord>> Ranking;
};
