// Runs against a sound server of its own, started before the program
// connects to it and killed in the middle of a recording, as when the
// operator's sound server crashes during a shout.
#include "measure/MeasurementAudio.h"

#include "measure/RecordingFile.h"
#include "measure/Waits.h"
#include "platform/AtomicFile.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A headless server whose default source is a null sink's monitor: it
// delivers silence at once.
class PrivateSoundServer {
public:
    PrivateSoundServer()
    {
        const QString config = Dir.filePath(QStringLiteral("server.pa"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                                  "load-module module-null-sink sink_name=quiet rate=16000 channels=1 channel_map=mono\n"
                                  "load-module module-remap-source source_name=mic master=quiet.monitor channels=1 channel_map=mono\n"
                                  "set-default-source mic\n")
                       .arg(Socket())
                       .toUtf8());
        file.close();
        QDir(Dir.path()).mkdir(QStringLiteral("runtime"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Dir.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), Dir.filePath(QStringLiteral("runtime")));
        Server.setProcessEnvironment(environment);
        Server.start(QStringLiteral("pulseaudio"), {QStringLiteral("-n"), QStringLiteral("-F"), config, QStringLiteral("--daemonize=no"),
                                                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--enable-memfd=no")});
        Server.waitForStarted(5000);
        for (int tries = 0; tries < 100 && !QFile::exists(Socket()); ++tries)
            QThread::msleep(50);
    }

    ~PrivateSoundServer() { Kill(); }

    bool Running() const { return Server.state() == QProcess::Running && QFile::exists(Socket()); }
    QString Socket() const { return Dir.filePath(QStringLiteral("native")); }

    void Kill()
    {
        if (Server.state() != QProcess::NotRunning) {
            Server.kill();
            Server.waitForFinished(5000);
        }
    }

private:
    QTemporaryDir Dir;
    QProcess Server;
};

PrivateSoundServer* Server = nullptr;

}

TEST(DyingSoundServer, ARecordingCutShortIsReportedAndNothingIsScored)
{
    if (!Server->Running())
        GTEST_SKIP() << "pulseaudio could not be started";
    TestFolder folder;
    ContestState& context = folder.Context;
    ASSERT_TRUE(WriteFileAtomically(folder.Path(QStringLiteral("mksrc16.wav")), MakeRecordingHeader(16000, 16, 0)));
    context.Settings.Mic.Quality = 1;
    context.Settings.Basic.MeasureSeconds = 2;
    context.Contest.EntryNo = 3;
    MeasurementAudio audio(context);

    ASSERT_TRUE(audio.RecordingStep(1));
    ASSERT_TRUE(audio.RecordingStep(2));
    WaitMilliseconds(800);
    Server->Kill();
    WaitMilliseconds(2000);
    EXPECT_FALSE(audio.RecordingStep(3));
    ASSERT_EQ(folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(folder.Messages.Messages[0].Text.endsWith(QStringLiteral("(262)(save mysound)")))
        << folder.Messages.Messages[0].Text.toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral("xx0003.wav")), MakeRecordingHeader(16000, 16, 0)) << "the half recording is not kept";
}

int main(int argc, char* argv[])
{
    // The program connects to a sound server once, so the server must be up
    // and named before anything touches sound.
    QCoreApplication application(argc, argv);
    PrivateSoundServer server;
    Server = &server;
    qputenv("PULSE_SERVER", ("unix:" + server.Socket()).toUtf8());
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(nullptr);
    // The sound library may object to its server's death at exit.
    std::_Exit(result);
}
