#pragma once

#include "hall/HallServer.h"
#include "hall/HallSnapshot.h"

#include <QString>
#include <functional>
#include <optional>

class AppContext;

// Gives the names the hall may show, read afresh for each snapshot.
using HallNameSource = std::function<EntrantNameLookup()>;

// The entrants' list as the hall sees it: none while the operator keeps names
// off the hall.
HallNameSource HallEntrantNames(AppContext& context);

// What the operator is told of a start that failed for a family ("IPv4:
// 他のプログラムが使っています"); nothing when the page serves on every family
// the machine has.
std::optional<QString> HallStartText(const HallStart& outcome, int port);

// The hall's live results page as the program runs it: on or off as
// ZUVELO.INI says, its snapshot built on the GUI thread and replaced whenever
// the log changes.
class HallPage {
public:
    HallPage(AppContext& context, HallNameSource names);

    // Starts, restarts or stops the server as ZUVELO.INI says now. A port in
    // use or refused is named to the operator; the program goes on without
    // the page. Sets the context's HallUrl.
    void Apply();
    // The log changed as a whole (a data clear, a reset): while the page is
    // on, a new snapshot from the log read anew, with the loudness graph of
    // each entrant stored since the last one drawn from its recording.
    void Refresh();
    // The result just stored: while the page is on, a new snapshot with it
    // and its graph, the log unread. A log last read damaged, or a record
    // that is not the next one (another copy of the program on the folder),
    // has the log read whole as Refresh does.
    void AddStored(const ResultRecord& record);

private:
    void Rebuild();
    void Publish(std::map<int, HallGraph> graphs);
    // The graphs of the previous snapshot and of the entrants stored since.
    std::map<int, HallGraph> GraphsWithNewEntrants(const std::vector<ResultRecord>& log) const;
    // The loudness graph of the entrant's recording; nothing when it cannot be read.
    std::optional<HallGraph> GraphOf(const ResultRecord& record) const;

    AppContext& Context;
    HallNameSource Names;
    HallSnapshotPtr Current;
    // The entrants of the log as last read and stored since, in entry order;
    // nothing while the log read was damaged.
    std::optional<std::vector<ResultRecord>> Entrants;
    HallServer Server;
};
