#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <vector>

// A sound server of a test's own, in a folder of its own, of the kind the
// test command runs the sound-server tests on (ZUVELO_SOUND_SERVER
// "pipewire": PipeWire, WirePlumber and pipewire-pulse on a session bus of
// their own; otherwise PulseAudio). Its default input, "mic", delivers
// silence. Every process is stopped by its own id when the server is killed
// or destroyed, and dies with the test program even when that is killed, as
// by a test that times out.
class PrivateSoundServer {
public:
    PrivateSoundServer()
    {
        QDir(Dir.path()).mkdir(QStringLiteral("runtime"));
        QFile::setPermissions(Path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Environment = QProcessEnvironment::systemEnvironment();
        Environment.remove(QStringLiteral("PULSE_SERVER"));
        for (const char* name : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PIPEWIRE_RUNTIME_DIR", "XDG_STATE_HOME", "XDG_CONFIG_HOME"})
            Environment.insert(QLatin1String(name), Path("runtime"));
        StartServer();
    }

    // Starts the server again at the same address after Kill, as an
    // operator or the session would after a crash.
    void Restart()
    {
        Kill();
        Processes.clear();
        Ready = false;
        // A killed server leaves its sockets behind; they would pass for the new ones.
        for (const char* name : {"native", "bus", "runtime/native", "runtime/pipewire-0", "runtime/pipewire-0.lock"})
            QFile::remove(Path(name));
        StartServer();
    }

    ~PrivateSoundServer() { Kill(); }

    bool Running() const
    {
        for (const auto& process : Processes) {
            if (process->state() != QProcess::Running)
                return false;
        }
        return Ready && !Processes.empty();
    }

    QString Address() const { return QStringLiteral("unix:") + Socket; }

    // The process that serves the program (the last started) goes first.
    void Kill()
    {
        for (auto process = Processes.rbegin(); process != Processes.rend(); ++process) {
            if ((*process)->state() != QProcess::NotRunning) {
                (*process)->kill();
                (*process)->waitForFinished(5000);
            }
        }
    }

private:
    QString Path(const char* name) const { return Dir.filePath(QLatin1String(name)); }

    void StartServer()
    {
        if (qEnvironmentVariable("ZUVELO_SOUND_SERVER") == QLatin1String("pipewire"))
            StartPipeWire();
        else
            StartPulseAudio();
    }

    QProcess& Start(const QString& program, const QStringList& arguments)
    {
        auto& process = *Processes.emplace_back(std::make_unique<QProcess>());
        process.setProcessEnvironment(Environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process.start(program, arguments);
        process.waitForStarted(5000);
        return process;
    }

    bool AwaitSocket(const QString& path) const
    {
        for (int tries = 0; tries < 100 && !QFile::exists(path); ++tries)
            QThread::msleep(50);
        return QFile::exists(path);
    }

    void StartPulseAudio()
    {
        Socket = Path("native");
        QFile file(Path("server.pa"));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                                  "load-module module-null-sink sink_name=quiet rate=16000 channels=2\n"
                                  // Silence played into the sink keeps it at a low latency, so that
                                  // its monitor delivers at once, as on a sound card.
                                  "load-module module-null-source source_name=silence rate=16000 channels=1\n"
                                  "load-module module-loopback source=silence sink=quiet latency_msec=1 source_dont_move=true sink_dont_move=true\n"
                                  "load-module module-remap-source source_name=mic master=quiet.monitor channels=2\n"
                                  "set-default-source mic\n")
                       .arg(Socket)
                       .toUtf8());
        file.close();
        Start(QStringLiteral("pulseaudio"), {QStringLiteral("-n"), QStringLiteral("-F"), file.fileName(), QStringLiteral("--daemonize=no"),
                                             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--enable-memfd=no")});
        Ready = AwaitSocket(Socket) && AwaitMicrophone();
    }

    void StartPipeWire()
    {
        const QString bus = Path("bus");
        Start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                                              QStringLiteral("--address=unix:path=") + bus});
        if (!AwaitSocket(bus))
            return;
        Environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + bus);
        Start(QStringLiteral("pipewire"), {});
        if (!AwaitSocket(Path("runtime/pipewire-0")))
            return;
        Start(QStringLiteral("wireplumber"), {});
        Start(QStringLiteral("pipewire-pulse"), {});
        Socket = Path("runtime/native");
        Ready = AwaitSocket(Socket) &&
                Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=quiet"), QStringLiteral("channels=2")}) &&
                Pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"), QStringLiteral("source_name=mic"),
                       QStringLiteral("master=quiet.monitor"), QStringLiteral("channels=2")}) &&
                Pactl({QStringLiteral("set-default-source"), QStringLiteral("mic")}) && AwaitMicrophone();
    }

    // A new server's input delivers sound only a while after the server is up.
    bool AwaitMicrophone() const
    {
        QProcess record;
        QProcessEnvironment environment = Environment;
        environment.insert(QStringLiteral("PULSE_SERVER"), Address());
        record.setProcessEnvironment(environment);
        record.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("timeout 10 parecord --raw --latency-msec=20 --format=u8 "
                                                                                 "--rate=8000 --channels=1 | head -c 400 | wc -c")});
        return record.waitForFinished(15000) && record.readAllStandardOutput().trimmed() == "400";
    }

    bool Pactl(const QStringList& arguments) const
    {
        QProcess pactl;
        QProcessEnvironment environment = Environment;
        environment.insert(QStringLiteral("PULSE_SERVER"), Address());
        pactl.setProcessEnvironment(environment);
        pactl.start(QStringLiteral("pactl"), arguments);
        return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
    }

    QTemporaryDir Dir;
    QProcessEnvironment Environment;
    std::vector<std::unique_ptr<QProcess>> Processes;
    QString Socket;
    bool Ready = false;
};
