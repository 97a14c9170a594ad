#include "app/HallPage.h"

#include "app/AppContext.h"
#include "core/EntrantLevels.h"
#include "core/RecordingFile.h"
#include "core/RecordingLevels.h"
#include "core/ResultStore.h"
#include "hall/HallAddresses.h"
#include "core/ProgramOptions.h"
#include "hall/LoudnessSvg.h"

#include <algorithm>

HallPage::HallPage(AppContext& context, HallNameSource names) : Context(context), Names(std::move(names)) {}

void HallPage::Apply()
{
    const HallOptions options = LoadProgramOptions(Context).Hall;
    const bool restart = options.Enabled && (!Server.IsListening() || Server.Port() != options.Port);
    if (!options.Enabled)
        Server.Stop();
    if (restart) {
        // A page that was off starts afresh: no graph of the entrants stored meanwhile.
        if (!Server.IsListening())
            Current = nullptr;
        Rebuild();
        const HallStart outcome = Server.Start(options.Port);
        if (const std::optional<QString> text = HallStartText(outcome, options.Port))
            Context.Messages.Inform(*text, MessageIcon::Warning, QStringLiteral("会場Web"));
    }
    Context.HallUrl = Server.IsListening() ? ShownHallUrl(HallUrls(Server.Port()), options.Url) : QString();
}

void HallPage::Refresh()
{
    if (Server.IsListening())
        Rebuild();
}

void HallPage::AddStored(const ResultRecord& record, const std::optional<EntrantLevel>& level)
{
    if (!Server.IsListening())
        return;
    if (!Current || !Entrants || record.EntryNo != static_cast<int>(Entrants->size()) + 1) {
        Rebuild();
        return;
    }
    Entrants->push_back(record);
    if (Levels && level)
        Levels->Levels[record.EntryNo] = *level;
    std::map<int, HallGraph> graphs = Current->Graphs;
    if (std::optional<HallGraph> graph = GraphOf(record))
        graphs[record.EntryNo] = std::move(*graph);
    Publish(std::move(graphs));
}

void HallPage::Rebuild()
{
    Entrants = ReadLogEntrants(Context.LogPath());
    Levels = ReadLevels();
    // A damaged log is no ranking: the page waits until it is readable again
    // (a data clear), keeping the graphs it had.
    if (!Entrants) {
        Server.Replace(UnreadableHallSnapshot(Context.Now()));
        return;
    }
    Publish(GraphsWithNewEntrants(*Entrants));
}

void HallPage::Publish(std::map<int, HallGraph> graphs)
{
    Current = BuildHallSnapshot(*Entrants, Context.Now(), Names(), std::move(graphs), Levels);
    Server.Replace(Current);
}

std::optional<HallLevels> HallPage::ReadLevels() const
{
    auto shown = ReadShownLevels(Context);
    if (!shown)
        return std::nullopt;
    HallLevels levels{LoadProgramOptions(Context).Level.DistanceCm, {}};
    if (auto* found = std::get_if<EntrantLevels>(&*shown))
        levels.Levels = std::move(*found);
    return levels;
}

std::map<int, HallGraph> HallPage::GraphsWithNewEntrants(const std::vector<ResultRecord>& log) const
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
    std::map<int, HallGraph> graphs = Current->Graphs;
    for (const ResultRecord& record : log) {
        if (record.EntryNo <= known)
            continue;
        if (std::optional<HallGraph> graph = GraphOf(record))
            graphs[record.EntryNo] = std::move(*graph);
    }
    return graphs;
}

std::optional<HallGraph> HallPage::GraphOf(const ResultRecord& record) const
{
    const std::optional<RecordingLevels> recording = ReadEntrantRecording(
        Context.Folder.FilePath(RecordingFileName(record.EntryNo)), RecordingQuality(record.Quality), record.SampleCount);
    if (!recording)
        return std::nullopt;
    return std::make_shared<const std::string>(LoudnessSvg(recording->Levels, recording->Width, record.NoiseCutLevel));
}

namespace {

QString FailureText(HallBindFailure failure)
{
    switch (failure) {
    case HallBindFailure::None:
        break;
    case HallBindFailure::FamilyUnavailable:
        return QStringLiteral("このパソコンでは使えません");
    case HallBindFailure::PortInUse:
        return QStringLiteral("他のプログラムが使っています");
    case HallBindFailure::NotPermitted:
        return QStringLiteral("使う権限がありません（1024 未満のポートは管理者用です）");
    case HallBindFailure::Other:
        return QStringLiteral("開けませんでした");
    }
    return {};
}

}

std::optional<QString> HallStartText(const HallStart& outcome, int port)
{
    // A family the machine does not have is no fault while the other serves.
    const auto worth = [&](HallBindFailure failure) {
        return failure != HallBindFailure::None && (failure != HallBindFailure::FamilyUnavailable || !outcome.Listening());
    };
    QStringList lines;
    if (worth(outcome.IPv4))
        lines << QStringLiteral("IPv4: ") + FailureText(outcome.IPv4);
    if (worth(outcome.IPv6))
        lines << QStringLiteral("IPv6: ") + FailureText(outcome.IPv6);
    if (lines.isEmpty())
        return std::nullopt;
    const QString ending = outcome.Listening() ? QStringLiteral("会場Webはもう一方だけで続けます。")
                                               : QStringLiteral("会場Webなしで続けます。");
    return QStringLiteral("会場Webのポート %1:\n").arg(port) + lines.join(u'\n') + u'\n' + ending;
}
