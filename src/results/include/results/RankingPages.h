#pragma once

#include "core/LevelCalibration.h"
#include "core/ResultRecord.h"

#include <QString>
#include <QtCore/qnamespace.h>
#include <array>
#include <optional>
#include <span>

// What the ranking board shows: ten ranks per page, read from the ranking
// file, and how the operator pages through them.

constexpr int BoardRows = 10;

// Pages of a ranking of `ranked` entrants: one more than the full pages, so
// that a multiple of ten ends on an empty page, and never more than 300.
int LastBoardPage(int ranked);

// "№␣␣12␣␣␣␣␣␣1234点" for entrant 12 with 1234 points.
QString BoardRowText(const ResultRecord& record);

// The row texts of `page` (1 for the first ten ranks) from the ranking in
// rank order; rows without an entrant are empty.
std::array<QString, BoardRows> BoardPageRows(std::span<const ResultRecord> ranking, int page);

// The text of row `row` (0 to 9) of `page`: the rank in three characters,
// "位", fourteen blanks and the row text; empty when the row text is. On a
// page that reaches rank 1000 every rank takes four characters, so that
// four-digit ranks show whole and the columns of the page stay aligned.
QString BoardLabelText(int page, int row, const QString& rowText);

// A row's sound level after its points: "　112.3dB", "　≥112.3dB" for a
// clipped recording, blanks as wide for an entrant without levels.
QString BoardLevelCell(const std::optional<EntrantLevel>& level);

// "␣1␣-␣10␣表示中" for page 1.
QString BoardIndicatorText(int page);

// The page after a press of `button` on `page`: the left button goes back a
// page and closes the board on the first, the right one goes forward and
// from the last page round to the first, other buttons stay. Nothing when
// the board closes.
std::optional<int> BoardPageAfterClick(Qt::MouseButton button, int page, int lastPage);

// The board closes itself after this many seconds from its opening, paging
// or not.
constexpr int BoardOpenSeconds = 180;
