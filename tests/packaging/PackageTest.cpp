#include "app/ContestFolder.h"
#include "core/SettingsFileFormat.h"
#include "core/SettingsRecord.h"
#include "help/ManualPages.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString AppId = QStringLiteral(ZUVELO_APP_ID);
// A user id no account has: the program runs as an ordinary user even when
// the tests run as root.
constexpr uid_t OrdinaryUid = 64999;

struct Finished {
    int Code = -1;
    QString Output;
};

Finished RunCommand(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Finished finished;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        finished.Code = process.exitCode();
    finished.Output = QString::fromUtf8(process.readAll());
    return finished;
}

void MakeReachable(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::ExeOther);
}

// Every file and link under `folder` with its size and time, to see that
// nothing was written there.
QStringList Snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The package built by scripts/package, unpacked once with dpkg-deb into a
// temporary root.
class Package : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QStringList found = QDir(QStringLiteral(ZUVELO_PACKAGE_FOLDER)).entryList({QStringLiteral("zuvelo_*_amd64.deb")});
        ASSERT_EQ(found.size(), 1) << "no single package in " ZUVELO_PACKAGE_FOLDER;
        Deb = QStringLiteral(ZUVELO_PACKAGE_FOLDER "/") + found.first();
        Root = new QTemporaryDir;
        MakeReachable(Root->path());
        const Finished unpacked = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), Deb, Root->path()});
        ASSERT_EQ(unpacked.Code, 0) << unpacked.Output.toStdString();
    }

    static void TearDownTestSuite()
    {
        delete Root;
        Root = nullptr;
    }

    static QString Unpacked(const QString& path) { return Root->path() + QStringLiteral("/usr/") + path; }

    static inline QString Deb;
    static inline QTemporaryDir* Root = nullptr;
};

}

TEST_F(Package, NamesWhatTheProgramNeedsBesideItsLibraries)
{
    const Finished info = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-I"), Deb});
    ASSERT_EQ(info.Code, 0);
    const QString depends = info.Output.section(QStringLiteral("\n Depends: "), 1).section(u'\n', 0, 0);
    const QString recommends = info.Output.section(QStringLiteral("\n Recommends: "), 1).section(u'\n', 0, 0);
    for (const char* name : {"libqt6widgets6", "libsndfile1", "libpulse0", "libmicrohttpd12", "libqrencode4",
                             "qt6-qpa-plugins", "qt6-translations-l10n", "fonts-ipafont-gothic", "fonts-ipafont-mincho", "fonts-noto-cjk"})
        EXPECT_TRUE(depends.contains(QLatin1String(name))) << name << " missing from Depends: " << depends.toStdString();
    for (const char* name : {"pulseaudio", "pavucontrol", "cups-client"})
        EXPECT_TRUE(recommends.contains(QLatin1String(name))) << name << " missing from Recommends: " << recommends.toStdString();
    for (const char* script : {"preinst", "postinst", "prerm", "postrm"})
        EXPECT_FALSE(info.Output.contains(QLatin1String(script))) << "a maintainer script: " << script;
}

TEST_F(Package, InstallsOnlyUnderUsrWithTheDesktopFilesValid)
{
    const Finished contents = RunCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), Deb});
    ASSERT_EQ(contents.Code, 0);
    for (const QString& line : contents.Output.split(u'\n', Qt::SkipEmptyParts)) {
        const QString path = line.section(u' ', -1);
        EXPECT_TRUE(path == QStringLiteral("./") || path.startsWith(QStringLiteral("./usr/"))) << line.toStdString();
    }

    QStringList delivered = DeliveredProgramFiles() + QStringList{DeliveredSetupRequest};
    delivered.sort();
    EXPECT_EQ(QDir(Unpacked(QStringLiteral("share/zuvelo"))).entryList(QDir::Files, QDir::Name), delivered);
    EXPECT_TRUE(HoldsManual(Unpacked(QStringLiteral("share/zuvelo/manual")))) << "the help window's manual";

    const Finished elf = RunCommand(QStringLiteral("readelf"), {QStringLiteral("--dynamic"), Unpacked(QStringLiteral("bin/zuvelo"))});
    ASSERT_EQ(elf.Code, 0);
    EXPECT_FALSE(elf.Output.contains(QStringLiteral("RUNPATH")) || elf.Output.contains(QStringLiteral("RPATH"))) << elf.Output.toStdString();

    const Finished desktop = RunCommand(QStringLiteral("desktop-file-validate"), {Unpacked(QStringLiteral("share/applications/") + AppId + QStringLiteral(".desktop"))});
    EXPECT_EQ(desktop.Code, 0) << desktop.Output.toStdString();
    const Finished metainfo = RunCommand(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                                   Unpacked(QStringLiteral("share/metainfo/") + AppId + QStringLiteral(".metainfo.xml"))});
    EXPECT_EQ(metainfo.Code, 0) << metainfo.Output.toStdString();

    for (const int size : {48, 64, 128, 256}) {
        const QImage icon(Unpacked(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + AppId + QStringLiteral(".png")));
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
    EXPECT_TRUE(QFileInfo(Unpacked(QStringLiteral("share/man/man1/zuvelo.1.gz"))).size() > 0);

    const Finished help = RunCommand(Unpacked(QStringLiteral("bin/zuvelo")), {QStringLiteral("--help")});
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Output.contains(QStringLiteral("--folder DIR"))) << help.Output.toStdString();
    const Finished version = RunCommand(Unpacked(QStringLiteral("bin/zuvelo")), {QStringLiteral("--version")});
    EXPECT_EQ(version.Output, QStringLiteral("zuvelo " ZUVELO_VERSION "\n"));
}

namespace {

// The unpacked program started by an ordinary user with a home of its own on
// the X display of the test command, its first-start questions answered with
// xdotool.
class PackagedProgram : public Package {
protected:
    void SetUp() override
    {
        Display = qEnvironmentVariable("ZUVELO_TEST_DISPLAY");
        if (Display.isEmpty())
            GTEST_SKIP() << "ZUVELO_TEST_DISPLAY is not set: no X display to start the program on";
        ASSERT_TRUE(KeyboardTurn.tryLock(180000)) << "no turn at the keyboard";
        MakeReachable(Home.path());
        QDir(Home.path()).mkdir(QStringLiteral("runtime"));
        QFile::setPermissions(Home.path() + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (::geteuid() == 0) {
            for (const QString& path : {Home.path(), Home.path() + QStringLiteral("/runtime")})
                ASSERT_EQ(::chown(QFile::encodeName(path).constData(), OrdinaryUid, OrdinaryUid), 0);
        }
        Before = Snapshot(Root->path());
    }

    void TearDown() override
    {
        if (Program) {
            Program->kill();
            Program->waitForFinished(5000);
        }
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : environment.keys()) {
            if (name.startsWith(QStringLiteral("XDG_")))
                environment.remove(name);
        }
        environment.insert(QStringLiteral("HOME"), Home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Home.path() + QStringLiteral("/runtime"));
        environment.insert(QStringLiteral("DISPLAY"), Display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        return environment;
    }

    void Start(const QStringList& arguments)
    {
        QString program = Unpacked(QStringLiteral("bin/zuvelo"));
        QStringList line = arguments;
        if (::geteuid() == 0) {
            line = QStringList{QStringLiteral("--reuid=%1").arg(OrdinaryUid), QStringLiteral("--regid=%1").arg(OrdinaryUid),
                               QStringLiteral("--clear-groups"), QStringLiteral("--"), program} + arguments;
            program = QStringLiteral("setpriv");
        }
        Program = std::make_unique<QProcess>();
        Program->setProcessEnvironment(Environment());
        Program->setProcessChannelMode(QProcess::ForwardedChannels);
        Program->start(program, line);
        ASSERT_TRUE(Program->waitForStarted(10000));
    }

    QString Xdotool(const QStringList& arguments) const { return RunCommand(QStringLiteral("xdotool"), arguments, Environment()).Output.trimmed(); }

    // The visible windows of the program titled "ずべろ", newest last.
    QStringList Windows() const
    {
        return Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                        QString::number(Program->processId()), QStringLiteral("--name"), QStringLiteral("^ずべろ$")})
            .split(u'\n', Qt::SkipEmptyParts);
    }

    // Waits up to 60 seconds for a window not seen before (a first start also
    // builds the font cache of the new home).
    QString NewWindow(const QStringList& seen) const
    {
        for (int tries = 0; tries < 600; ++tries) {
            for (const QString& window : Windows()) {
                if (!seen.contains(window))
                    return window;
            }
            QThread::msleep(100);
        }
        return {};
    }

    void Type(const QString& window, const QStringList& keys) const
    {
        Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        for (const QString& key : keys) {
            QThread::msleep(300);
            Xdotool({QStringLiteral("key"), key});
        }
    }

    // The setup message, the factory question (はい), then the main menu,
    // left with ﾌﾟﾚｲ → 終了.
    void AnswerTheFirstStartAndQuit()
    {
        QStringList seen;
        for (const char* step : {"setup message", "factory question"}) {
            const QString message = NewWindow(seen);
            ASSERT_FALSE(message.isEmpty()) << "no " << step;
            seen << message;
            Type(message, {QStringLiteral("Return")});
        }
        const QString menu = NewWindow(seen);
        ASSERT_FALSE(menu.isEmpty()) << "no main menu";
        Type(menu, {QStringLiteral("alt+a"), QStringLiteral("q")});
        ASSERT_TRUE(Program->waitForFinished(15000)) << "the program did not end";
        EXPECT_EQ(Program->exitCode(), 0);
    }

    void ExpectFactoryContest(const QString& folder) const
    {
        const std::pair<QString, std::optional<QByteArray>> files[] = {
            {QStringLiteral("KANKYOU1.REC"), SerializeSettings(BasicSettings::Factory())},
            {QStringLiteral("KANKYOU2.REC"), SerializeSettings(ScreenSettings::Factory())},
            {QStringLiteral("KANKYOU3.REC"), SerializeSettings(SoundSettings::Factory(folder))},
            {QStringLiteral("KANKYOU4.REC"), SerializeSettings(EffectSettings::Factory())},
            {QStringLiteral("KANKYOUB.REC"), SerializeSettings(MicSettings::Factory())}};
        for (const auto& [name, bytes] : files) {
            ASSERT_TRUE(bytes.has_value());
            EXPECT_EQ(ReadFile(folder + u'/' + name), *bytes) << name.toStdString();
        }
        EXPECT_EQ(ReadFile(folder + QStringLiteral("/SKANRI.REC")), QByteArray("#FALSE#\r\n#FALSE#\r\n"));
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/start.wav")));
        if (::geteuid() == 0) {
            EXPECT_EQ(QFileInfo(folder + QStringLiteral("/KANKYOU1.REC")).ownerId(), OrdinaryUid) << "written by the ordinary user";
        }
        EXPECT_EQ(Snapshot(Root->path()), Before) << "the program wrote into its installation";
    }

    QString Display;
    QLockFile KeyboardTurn{QDir::tempPath() + QStringLiteral("/zuvelo-x-keyboard.lock")};
    QTemporaryDir Home;
    QStringList Before;
    std::unique_ptr<QProcess> Program;
};

}

TEST_F(PackagedProgram, KeepsAUsersContestInTheUsersDataFolder)
{
    Start({});
    AnswerTheFirstStartAndQuit();
    ExpectFactoryContest(Home.path() + QStringLiteral("/.local/share/zuvelo"));
}

TEST_F(PackagedProgram, KeepsTheContestInTheFolderGiven)
{
    const QString event = Home.path() + QStringLiteral("/contests/summer");
    Start({QStringLiteral("--folder"), event});
    AnswerTheFirstStartAndQuit();
    ExpectFactoryContest(event);
    EXPECT_FALSE(QFileInfo::exists(Home.path() + QStringLiteral("/.local"))) << "nothing in the user's data folder";
}
