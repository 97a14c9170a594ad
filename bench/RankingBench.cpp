// The ranking pass over a full contest of 3000 entrants.
#include "store/ContestState.h"
#include "store/ResultRecord.h"
#include "store/ResultStore.h"

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
    QByteArray log;
    for (int n = 1; n <= MaxEntrants; ++n) {
        ResultRecord record = ResultRecord::Cleared(static_cast<int16_t>(n), 46000.0);
        record.TotalPoints = static_cast<int16_t>((n * 7919) % 2001);
        log += record.Encode();
    }
    QFile file(context.LogPath());
    file.open(QIODevice::WriteOnly);
    file.write(log);
    file.close();
    for (auto _ : state)
        RebuildRanking(context);
}
BENCHMARK(BM_RebuildRanking)->Unit(benchmark::kMillisecond);

}
