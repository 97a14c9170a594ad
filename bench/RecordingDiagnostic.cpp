// Diagnostic of recording on the sound server: for each quality, the samples
// of a 3-second recording, the delay from the record command to the first
// captured sample, and the processor time while the measurement waits run (a
// 50 ms wait per gauge step, then the one-second wait before the device is
// stopped), each line naming the server. Needs a running sound server; run it
// as build/bench/zuvelo_recording_diagnostic.
#include "core/RecordingFile.h"
#include "audio/AudioDevices.h"
#include "audio/AudioInputRecorder.h"
#include "audio/MciDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

namespace {

double ProcessCpuMs()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6;
}

bool RunQuality(int quality, const QString& folder, const QString& server)
{
    const RecordingFormat format = RecordingFormatOf(static_cast<RecordingQuality>(quality));
    QFile file(folder + QStringLiteral("/take.wav"));
    if (!file.open(QIODevice::WriteOnly) || file.write(MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0)) != 46)
        return false;
    file.close();

    auto recorder = std::make_unique<AudioInputRecorder>();
    AudioInputRecorder& probe = *recorder;
    MciDevice device(folder, std::move(recorder));
    if (device.Execute(QStringLiteral("open take.wav alias mysound type waveaudio")).Code != 0)
        return false;

    const double cpuBefore = ProcessCpuMs();
    QElapsedTimer clock;
    clock.start();
    if (const int32_t code = device.Execute(QStringLiteral("record mysound from 0 to 3000 overwrite")).Code; code != 0) {
        std::printf("record failed with %d\n", code);
        return false;
    }
    // The three seconds of the recording, then the second a measurement
    // gives the device to finish.
    while (clock.elapsed() < 4000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    const double cpuMs = ProcessCpuMs() - cpuBefore;
    const qint64 wallMs = clock.elapsed();
    device.Execute(QStringLiteral("save mysound"));
    device.Execute(QStringLiteral("close mysound"));

    const qint64 samples = (QFile(file.fileName()).size() - 46) / (format.BitsPerSample / 8);
    std::printf("%s, %5u Hz %2u bit: %lld samples; first sample after %3lld ms; CPU %.0f ms over %lld ms (%.1f %%)\n",
                server.toUtf8().constData(), format.SampleRate, format.BitsPerSample, static_cast<long long>(samples),
                static_cast<long long>(probe.FirstSampleDelayMs()), cpuMs, static_cast<long long>(wallMs), 100.0 * cpuMs / double(wallMs));
    return samples == qint64(format.SampleRate) * 3;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    const QString server = QuerySoundServerDefaults().ServerName;
    if (server.isEmpty()) {
        std::printf("no sound server answers\n");
        return 1;
    }
    bool complete = true;
    for (int quality = 0; quality <= 2; ++quality)
        complete = RunQuality(quality, folder.path(), server) && complete;
    return complete ? 0 : 1;
    return 0;
}
