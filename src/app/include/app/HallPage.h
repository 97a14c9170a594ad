#pragma once

#include "hall/HallServer.h"
#include "hall/HallSnapshot.h"

#include <QString>

class AppContext;

// The names the hall may show; none until the entrants' list is connected
// here (HallNames.cpp).
EntrantNameLookup HallEntrantNames(AppContext& context);

// The hall's live results page as the program runs it: on or off as
// ZUVELO.INI says, its snapshot built on the GUI thread and replaced whenever
// the log changes.
class HallPage {
public:
    HallPage(AppContext& context, EntrantNameLookup names);

    // Starts, restarts or stops the server as ZUVELO.INI says now. A port in
    // use or refused is named to the operator; the program goes on without
    // the page. Sets the context's HallUrl.
    void Apply();
    // The log changed (a result stored, a data clear): while the page is on,
    // a new snapshot, with the loudness graph of each entrant stored since the
    // last one drawn from its recording.
    void Refresh();

private:
    void Rebuild();
    void ReportRefusedPort(HallStart outcome, int port);
    // The graphs of the previous snapshot and of the entrants stored since.
    std::map<int, std::string> GraphsWithNewEntrants(const std::vector<ResultRecord>& log) const;

    AppContext& Context;
    EntrantNameLookup Names;
    HallSnapshotPtr Current;
    HallServer Server;
};
