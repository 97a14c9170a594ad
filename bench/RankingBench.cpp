// The ranking pass over a full contest of 3000 entrants.
#include "core/ContestState.h"
#include "core/ResultRecord.h"
#include "core/ResultStore.h"
#include "FullLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentMessages : public MessageBoxService {
public:
    MessageAnswer Show(const QString&, const QString&, MessageIcon, MessageButtons) override { return MessageAnswer::Ok; }
};

void BM_RebuildRanking(benchmark::State& state)
{
    QTemporaryDir dir;
    SilentMessages messages;
    ContestState context(dir.path(), messages);
    WriteFullLog(context.LogPath());
    for (auto _ : state)
        RebuildRanking(context);
}
BENCHMARK(BM_RebuildRanking)->Unit(benchmark::kMillisecond);

}
