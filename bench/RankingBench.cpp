// The ranking pass over a full contest of 3000 entrants.
#include "core/ContestState.h"
#include "core/ResultRecord.h"
#include "core/ResultStore.h"
#include "FullLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_RebuildRanking(benchmark::State& state)
{
    QTemporaryDir dir;
    ContestState context(dir.path());
    WriteFullLog(context.LogPath());
    for (auto _ : state)
        RebuildRanking(context);
}
BENCHMARK(BM_RebuildRanking)->Unit(benchmark::kMillisecond);

}
