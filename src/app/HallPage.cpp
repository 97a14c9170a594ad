#include "app/HallPage.h"

#include "app/AppContext.h"
#include "core/RecordingFile.h"
#include "core/ResultStore.h"
#include "hall/HallAddresses.h"
#include "hall/HallOptions.h"
#include "hall/LoudnessSvg.h"
#include "results/LoudnessGraph.h"

#include <algorithm>

HallPage::HallPage(AppContext& context, HallNameSource names) : Context(context), Names(std::move(names)) {}

void HallPage::Apply()
{
    const HallOptions options = LoadHallOptions(Context);
    const bool restart = options.Enabled && (!Server.IsListening() || Server.Port() != options.Port);
    if (!options.Enabled)
        Server.Stop();
    if (restart) {
        // A page that was off starts afresh: no graph of the entrants stored meanwhile.
        if (!Server.IsListening())
            Current = nullptr;
        Rebuild();
        const HallStart outcome = Server.Start(options.Port);
        if (outcome != HallStart::Listening)
            ReportRefusedPort(outcome, options.Port);
    }
    Context.HallUrl = Server.IsListening() ? ShownHallUrl(HallUrls(Server.Port()), options.Url) : QString();
}

void HallPage::Refresh()
{
    if (Server.IsListening())
        Rebuild();
}

void HallPage::Rebuild()
{
    std::optional<std::vector<ResultRecord>> log = ReadEntrants(Context.LogPath());
    // An unreadable log leaves the page showing what it showed.
    if (!log)
        return;
    std::map<int, std::string> graphs = GraphsWithNewEntrants(*log);
    Current = BuildHallSnapshot(std::move(*log), Context.Now(), Names(), std::move(graphs));
    Server.Replace(Current);
}

std::map<int, std::string> HallPage::GraphsWithNewEntrants(const std::vector<ResultRecord>& log) const
{
    // At start-up every entrant counts as known: reading all the recordings
    // then would hold up the menu.
    if (!Current)
        return {};
    const int known = Current->Entrants.empty()
                          ? 0
                          : std::max_element(Current->Entrants.begin(), Current->Entrants.end(), [](auto& a, auto& b) {
                                return a.EntryNo < b.EntryNo;
                            })->EntryNo;
    std::map<int, std::string> graphs = Current->Graphs;
    for (const ResultRecord& record : log) {
        if (record.EntryNo <= known)
            continue;
        const std::optional<RecordingLevels> recording = ReadEntrantRecording(
            Context.Folder.FilePath(RecordingFileName(record.EntryNo)), RecordingQuality(record.Quality), record.SampleCount);
        if (recording)
            graphs[record.EntryNo] = LoudnessSvg(recording->Levels, recording->Width, record.NoiseCutLevel);
    }
    return graphs;
}

void HallPage::ReportRefusedPort(HallStart outcome, int port)
{
    const QString text = outcome == HallStart::PortInUse
                             ? QStringLiteral("会場Webのポート %1 は他のプログラムが使っています。\n会場Webなしで続けます。")
                             : QStringLiteral("会場Webのポート %1 を開けませんでした。\n会場Webなしで続けます。");
    Context.Messages.Inform(text.arg(port), MessageIcon::Warning, QStringLiteral("会場Web"));
}
