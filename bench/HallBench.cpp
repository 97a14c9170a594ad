// The hall's page under a crowd during a measurement: 200 phones on loopback
// following a contest of 3000 entrants as the page does (the top 20 ranks,
// gzipped, every 2 seconds with If-None-Match) through one 30-second
// measurement at 48 kHz, while a result is stored every 3 seconds; against
// the same measurement without them. Reports the failed requests, the
// latency percentiles, the bytes a phone was sent per stored result, the
// interface thread's processor share and the total the measurement scored;
// the last two must match the run without phones.
#include "core/RecordingFile.h"
#include "core/ResultRecord.h"
#include "core/SettingsStore.h"
#include "hall/HallServer.h"
#include "measure/MeasurementScreen.h"
#include "widgets/ContestSession.h"
#include "support/FakeRecorder.h"
#include "support/HallClient.h"
#include "ScreenRun.h"
#include "ShoutSignal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class AnswerYes : public MessageBoxService {
public:
    MessageAnswer Show(const QString&, const QString&, MessageIcon, MessageButtons) override { return MessageAnswer::Yes; }
};

double ThreadProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Phones polling until stopped, each every 2 seconds, their starts spread
// over the first 2 seconds; bounded by the measurement they wait for.
class Phones {
public:
    Phones(int count, int port)
    {
        for (int n = 0; n < count; ++n)
            Threads.emplace_back([this, n, count, port] { Poll(port, std::chrono::milliseconds(2000 * n / count)); });
    }
    ~Phones() { Stop(); }

    void Stop()
    {
        Stopping = true;
        for (std::thread& thread : Threads)
            thread.join();
        Threads.clear();
    }

    std::atomic<bool> Stopping = false;
    std::atomic<int> Failed = 0;
    std::atomic<size_t> BytesReceived = 0;
    std::mutex Lock;
    std::vector<double> LatenciesMs;

private:
    void Poll(int port, std::chrono::milliseconds offset)
    {
        auto next = std::chrono::steady_clock::now() + offset;
        std::string tag;
        while (!Stopping) {
            std::this_thread::sleep_until(next);
            next += std::chrono::seconds(2);
            QElapsedTimer took;
            took.start();
            const std::string answer = Exchange(port, Get("/api/ranking?limit=20", "Accept-Encoding: gzip\r\n" +
                                                               (tag.empty() ? "" : "If-None-Match: " + tag + "\r\n")));
            const double ms = double(took.nsecsElapsed()) / 1e6;
            BytesReceived += answer.size();
            const int status = StatusOf(answer);
            if (status == 200) {
                tag = HeaderOf(answer, "ETag");
            } else if (status != 304) {
                ++Failed;
            }
            std::lock_guard<std::mutex> guard(Lock);
            LatenciesMs.push_back(ms);
        }
    }

    std::vector<std::thread> Threads;
};

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(fraction * double(values.size())))];
}

// The contest's snapshots as results are stored: 2990 entrants, then 3000.
std::vector<HallSnapshotPtr> StoredResults()
{
    std::vector<ResultRecord> log;
    for (int n = 1; n <= 3000; ++n) {
        ResultRecord record = ResultRecord::Cleared(int16_t(n), 45000.0);
        record.TotalPoints = int16_t(300 + (n * 7919) % 1500);
        log.push_back(record);
    }
    std::vector<HallSnapshotPtr> snapshots;
    for (size_t count = 2990; count <= 3000; ++count)
        snapshots.push_back(BuildHallSnapshot({log.begin(), log.begin() + ptrdiff_t(count)}, QDateTime::currentDateTime(),
                                              [](int) { return QStringLiteral("山田　太郎"); }, {}));
    return snapshots;
}

void BM_HallDuringMeasurement(benchmark::State& state)
{
    QTemporaryDir folder;
    AnswerYes answers;
    ContestSession context(folder.path(), answers);
    ResetToFactorySettings(context);
    context.Settings.Basic.SoundOn = false;
    context.Settings.Basic.MeasureSeconds = 30;
    SaveBasicSettings(context);
    context.Settings.Mic.Quality = RecordingQuality::High;
    SaveMicSettings(context);
    const RecordingFormat format = RecordingFormatOf(RecordingQuality::High);
    QFile recordingTemplate(folder.filePath(QLatin1String(format.TemplateName)));
    recordingTemplate.open(QIODevice::WriteOnly);
    recordingTemplate.write(MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
    recordingTemplate.close();
    FakeRecorder::Log recorder;
    recorder.Signal = ShoutSamples(format.SampleRate, format.BitsPerSample, format.SampleRate * 30);

    const std::vector<HallSnapshotPtr> snapshots = StoredResults();
    HallServer server;
    server.Replace(snapshots.front());
    server.Start(0);
    // A result stored every 3 seconds, as a busy contest does.
    std::atomic<bool> storing = true;
    std::atomic<int> storedResults = 0;
    std::thread store([&] {
        for (size_t next = 1; storing && next < snapshots.size(); ++next) {
            for (int waited = 0; storing && waited < 30; ++waited)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            server.Replace(snapshots[next]);
            ++storedResults;
        }
    });
    MeasurementScreen screen(context, nullptr, std::make_unique<FakeRecorder>(recorder));
    int total = -1;
    screen.show();
    double share = 0;
    Phones phones(int(state.range(0)), server.Port());
    for (auto _ : state) {
        const double processorBefore = ThreadProcessorSeconds();
        QElapsedTimer wall;
        wall.start();
        total = int(MeasureOnce(screen).Result.TotalPoints.Value);
        share = (ThreadProcessorSeconds() - processorBefore) / (double(wall.elapsed()) / 1000.0);
    }
    phones.Stop();
    storing = false;
    store.join();
    state.counters["interface_processor_percent"] = 100 * share;
    state.counters["total_points"] = total;
    state.counters["requests"] = double(phones.LatenciesMs.size());
    state.counters["failed"] = phones.Failed.load();
    const double phoneCount = std::max(1.0, double(state.range(0)));
    state.counters["bytes_per_phone_per_stored_result"] =
        double(phones.BytesReceived) / phoneCount / std::max(1, storedResults.load());
    state.counters["latency_p50_ms"] = Percentile(phones.LatenciesMs, 0.50);
    state.counters["latency_p95_ms"] = Percentile(phones.LatenciesMs, 0.95);
    state.counters["latency_p99_ms"] = Percentile(phones.LatenciesMs, 0.99);
    state.counters["latency_max_ms"] = Percentile(phones.LatenciesMs, 1.0);
}
BENCHMARK(BM_HallDuringMeasurement)->Arg(0)->Arg(200)->Unit(benchmark::kSecond)->Iterations(1);

}
