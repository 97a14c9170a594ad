#include "support/HallClient.h"
#include "support/WidgetTestSupport.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <atomic>
#include <thread>
#include <gtest/gtest.h>

namespace {

const QString SetupFile = QStringLiteral("SKANRI.REC");

// The installed program started on the X display of the test command, and
// xdotool to find its windows and type into them.
class InstalledProgram : public testing::Test {
protected:
    void SetUp() override
    {
        Display = qEnvironmentVariable("ZUVELO_TEST_DISPLAY");
        if (Display.isEmpty())
            GTEST_SKIP() << "ZUVELO_TEST_DISPLAY is not set: no X display to start the program on";
        // The keyboard of the display is shared: tests running side by side
        // would type into each other's windows, so they take turns.
        ASSERT_TRUE(KeyboardTurn.tryLock(180000)) << "no turn at the keyboard";
        ASSERT_EQ(Run(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(ZUVELO_BUILD_DIR),
                                                QStringLiteral("--prefix"), Folder.Dir.path()}),
                  0);
        WriteInstalledFolder(Folder);
    }

    void TearDown() override
    {
        for (QProcess* process : Started) {
            process->kill();
            process->waitForFinished(5000);
            delete process;
        }
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), Display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // xdotool matches window titles as text of the locale.
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        return environment;
    }

    int Run(const QString& program, const QStringList& arguments, QString* output = nullptr) const
    {
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            return -1;
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess* StartProgram()
    {
        auto* process = new QProcess;
        Started.push_back(process);
        process->setProcessEnvironment(Environment());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(Folder.Path(QStringLiteral("zuvelo")), {});
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    // The id of the visible window of `program` whose whole title is
    // `title`, waiting up to 30 seconds for it to appear; empty when it does
    // not. Other tests may have windows of the same title on the display.
    QString FindWindow(const QProcess* program, const QString& title) const
    {
        QString id;
        Run(QStringLiteral("timeout"),
            {QStringLiteral("30"), QStringLiteral("xdotool"), QStringLiteral("search"), QStringLiteral("--sync"),
             QStringLiteral("--all"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
             QString::number(program->processId()), QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')},
            &id);
        return id.section(u'\n', 0, 0);
    }

    // Gives the window the keyboard and types the keys, one after another.
    void Type(const QString& window, const QStringList& keys) const
    {
        ASSERT_EQ(Run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}), 0);
        for (const QString& key : keys) {
            QThread::msleep(300);
            ASSERT_EQ(Run(QStringLiteral("xdotool"), {QStringLiteral("key"), key}), 0);
        }
    }

    QString Display;
    QLockFile KeyboardTurn{QDir::tempPath() + QStringLiteral("/zuvelo-x-keyboard.lock")};
    TestFolder Folder;
    std::vector<QProcess*> Started;
};

}

TEST_F(InstalledProgram, ShowsTheMenuAndQuitsFromIt)
{
    QProcess* program = StartProgram();
    const QString menu = FindWindow(program, QStringLiteral("ずべろ"));
    ASSERT_FALSE(menu.isEmpty()) << "no window titled ずべろ";
    Type(menu, {QStringLiteral("alt+a"), QStringLiteral("q")});
    ASSERT_TRUE(program->waitForFinished(15000)) << "終了(&Q) did not end the program";
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
}

TEST_F(InstalledProgram, ASecondCopyIsRefusedWhileTheFirstKeepsRunning)
{
    QProcess* first = StartProgram();
    ASSERT_FALSE(FindWindow(first, QStringLiteral("ずべろ")).isEmpty());
    // Left pending: a second copy that went past the check would consume it.
    Folder.Write(SetupFile, "#TRUE#\r\n#FALSE#\r\n");

    QProcess* second = StartProgram();
    const QString refusal = FindWindow(second, QStringLiteral("二重起動の禁止"));
    ASSERT_FALSE(refusal.isEmpty()) << "the second copy showed no refusal";
    Type(refusal, {QStringLiteral("Return")});
    ASSERT_TRUE(second->waitForFinished(15000)) << "the second copy did not end";
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(Folder.Read(SetupFile), QByteArray("#TRUE#\r\n#FALSE#\r\n"));
}

TEST_F(InstalledProgram, PhonesSendingSlowlyNeverHoldTheProgramsEnd)
{
    const int port = FreePort();
    Folder.Write(QStringLiteral("ZUVELO.INI"), QStringLiteral("[Hall]\nEnabled=true\nPort=%1\n").arg(port).toUtf8());
    for (const bool bySignal : {true, false}) {
        SCOPED_TRACE(bySignal ? "SIGTERM" : "終了");
        QProcess* program = StartProgram();
        const QString menu = FindWindow(program, QStringLiteral("ずべろ"));
        ASSERT_FALSE(menu.isEmpty());
        ASSERT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 200);
        // Two phones sending their headers a byte at a time.
        std::atomic<bool> dribbling = true;
        std::vector<std::thread> phones;
        for (int n = 0; n < 2; ++n)
            phones.emplace_back([&] {
                const int socket = Connect(port);
                const std::string request = Get("/", "X-Slow: " + std::string(1000, 's') + "\r\n");
                for (size_t sent = 0; dribbling && sent < request.size(); ++sent) {
                    if (::send(socket, &request[sent], 1, MSG_NOSIGNAL) != 1)
                        break;
                    QThread::msleep(100);
                }
                ::close(socket);
            });
        QThread::msleep(500);
        if (bySignal) {
            program->terminate();
        } else {
            ASSERT_EQ(Run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), menu}), 0);
            Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+a")});
            QThread::msleep(300);
            Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("q")});
        }
        EXPECT_TRUE(program->waitForFinished(2000)) << "the program was still running 2 s later";
        dribbling = false;
        for (std::thread& phone : phones)
            phone.join();
    }
}
