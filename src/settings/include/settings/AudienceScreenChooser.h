#pragma once

#include "core/ScreenIdentity.h"

#include <QGroupBox>

class ContestSession;
class ContestState;
class QComboBox;
class QLabel;

// "表示先": the screen the full-screen windows (measurement screen, result
// display, ranking board, score monitor) open on, chosen among the connected
// screens by name and size, first "メニューと同じ画面". The choice lives in
// ZUVELO.INI, apart from the screen settings file. Below the list,
// "matchLabel" tells how the stored choice was found among the screens of
// this session (by name, as the same monitor, by place and size) or that it
// is not connected.
class AudienceScreenChooser : public QGroupBox {
public:
    explicit AudienceScreenChooser(QWidget* parent);

    // Lists the screens connected now and selects the stored choice, or the
    // same monitor (or the screen in its place) under the name this session
    // gives it. A stored screen
    // that is not connected stays listed, marked so, and chosen: the
    // projector may be unplugged while the operator edits the colours.
    void Load(const ContestState& context);
    // Stores the choice; a file that cannot be written is reported
    // ("管理データの書き込みができません！") and gives false.
    bool Store(const ContestSession& context) const;

    // The chosen screen; an empty name for the menu's screen. The stored
    // choice keeps the monitor's manufacturer, model and serial number where
    // this session does not report them, for the next session that does.
    ScreenIdentity Chosen() const;

private:
    void ShowMatch();
    // The list's line of the stored choice.
    int StoredIndex() const;

    QComboBox* screenBox;
    QLabel* matchLabel;
    // The choice as stored, kept while its screen is not connected, and how
    // it was found.
    ScreenIdentity Stored;
    ScreenMatch StoredMatch;
};
