#include "app/CommandLine.h"
#include "app/ContestFolder.h"
#include "app/StartUp.h"
#include "app/VersionWindow.h"

#include "support/AppTestFolder.h"
#include "support/WidgetTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString SetupMessage = QStringLiteral("<< インストール / 初期設定要求 >>\nパソコンの環境にソフトウェアの設定を合わせます。");
const QString ResetQuestion = QStringLiteral("環境設定を初期値に戻します。");
// Only KANKYOU1.REC is left: the others are named, and the one there is kept.
const QString BrokenSettings = QStringLiteral("環境設定データが不正です!\nKANKYOU2.REC がありません。\nKANKYOU3.REC がありません。\n"
                                              "KANKYOU4.REC がありません。\nKANKYOUB.REC がありません。\n出荷時に戻します。\n"
                                              "今の設定ファイルは、名前に日時を付けて残します。");
const QStringList SettingsFiles{QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU2.REC"), QStringLiteral("KANKYOU3.REC"),
                                QStringLiteral("KANKYOU4.REC"), QStringLiteral("KANKYOUB.REC")};

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Delivered files whose content names them, so that a copy shows its source.
void WriteDeliveredFiles(const QString& folder)
{
    QDir().mkpath(folder);
    for (const QString& name : DeliveredProgramFiles())
        WriteFile(folder + QLatin1Char('/') + name, name.toUtf8());
    WriteFile(folder + QLatin1Char('/') + DeliveredSetupRequest, "#FALSE#\r\n#FALSE#\r\n");
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A root test process cannot be refused a write; for as long as this lives
// it acts as an ordinary user, whom a folder of mode 0555 refuses.
class OrdinaryUser {
public:
    OrdinaryUser() : WasRoot(::geteuid() == 0)
    {
        if (WasRoot) {
            EXPECT_EQ(::seteuid(65534), 0);
        }
    }
    ~OrdinaryUser()
    {
        if (WasRoot) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

private:
    bool WasRoot;
};

class ContestFolder : public testing::Test {
protected:
    void SetUp() override
    {
        // Reachable by the ordinary user of the tests that need one.
        QFile::setPermissions(Root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    }

    QString Path(const QString& name) const { return Root.path() + QLatin1Char('/') + name; }

    QTemporaryDir Root;
};

}

TEST_F(ContestFolder, IsTheFolderAskedForThenTheProgramFolderThenTheUsersDataFolder)
{
    const QString program = Path(QStringLiteral("program"));
    const QString user = Path(QStringLiteral("share"));
    WriteDeliveredFiles(program);

    EXPECT_EQ(ChooseContestFolder(Path(QStringLiteral("event/")), program, user), Path(QStringLiteral("event")));
    EXPECT_EQ(ChooseContestFolder({}, program, user), program) << "a program folder laid out by an install";

    QFile::remove(program + QStringLiteral("/v3.wav"));
    EXPECT_EQ(ChooseContestFolder({}, program, user), user + QStringLiteral("/zuvelo")) << "not a whole program folder";
    EXPECT_EQ(ChooseContestFolder({}, Path(QStringLiteral("bin")), user), user + QStringLiteral("/zuvelo"));
    EXPECT_FALSE(QDir(user).exists()) << "choosing creates nothing";

    const QString relative = ChooseContestFolder(QStringLiteral("event"), program, user);
    EXPECT_EQ(relative, QDir::current().absoluteFilePath(QStringLiteral("event")));
}

TEST_F(ContestFolder, AProgramFolderThatCannotBeWrittenLeavesTheContestToTheUsersDataFolder)
{
    const QString program = Path(QStringLiteral("program"));
    WriteDeliveredFiles(program);
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                                   QFile::ReadOther | QFile::ExeOther));
    OrdinaryUser user;
    EXPECT_FALSE(IsWritableFolder(program));
    EXPECT_EQ(ChooseContestFolder({}, program, Path(QStringLiteral("share"))), Path(QStringLiteral("share/zuvelo")));
}

TEST_F(ContestFolder, TheManualIsLookedForInTheInstalledDataFolderThenBesideTheProgram)
{
    EXPECT_EQ(ManualFolderCandidates(Path(QStringLiteral("usr/bin"))),
              (QStringList{Path(QStringLiteral("usr/share/zuvelo/manual")), Path(QStringLiteral("usr/bin/manual"))}));
}

TEST_F(ContestFolder, ANewFolderIsMadeAndGetsTheMissingDeliveredFilesWithoutLosingAny)
{
    const QString data = Path(QStringLiteral("usr/share/zuvelo"));
    WriteDeliveredFiles(data);
    const QString folder = Path(QStringLiteral("home/.local/share/zuvelo"));
    EXPECT_EQ(PrepareContestFolder(folder, data), std::nullopt);
    QStringList expected = DeliveredProgramFiles() + QStringList{DeliveredSetupRequest};
    expected.sort();
    EXPECT_EQ(Entries(folder), expected) << "the delivered files and no trace of the write check";
    EXPECT_EQ(ReadFile(folder + QStringLiteral("/start.wav")), QByteArray("start.wav"));

    // A contest that changed its setup request and replaced a sound keeps both;
    // a delivered file lost since is brought back.
    WriteFile(folder + QStringLiteral("/SKANRI.REC"), "#TRUE#\r\n#FALSE#\r\n");
    QFile::remove(folder + QStringLiteral("/v1.wav"));
    WriteFile(folder + QStringLiteral("/V2.WAV"), "own sound");
    QFile::remove(folder + QStringLiteral("/v2.wav"));
    EXPECT_EQ(PrepareContestFolder(folder, data), std::nullopt);
    EXPECT_EQ(ReadFile(folder + QStringLiteral("/SKANRI.REC")), QByteArray("#TRUE#\r\n#FALSE#\r\n"));
    EXPECT_EQ(ReadFile(folder + QStringLiteral("/v1.wav")), QByteArray("v1.wav"));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/v2.wav"))) << "V2.WAV is the same file to the program";

    EXPECT_EQ(PrepareContestFolder(data, data), std::nullopt) << "the program folder itself";
    EXPECT_EQ(Entries(data), expected);
}

TEST_F(ContestFolder, AFolderThatCannotBeMadeOrWrittenIsNamedAndNothingIsWrittenElsewhere)
{
    const QString data = Path(QStringLiteral("data"));
    WriteDeliveredFiles(data);
    WriteFile(Path(QStringLiteral("plain-file")), "x");
    const QString underFile = Path(QStringLiteral("plain-file/zuvelo"));
    const std::optional<QString> notMade = PrepareContestFolder(underFile, data);
    ASSERT_TRUE(notMade.has_value());
    EXPECT_TRUE(notMade->startsWith(QStringLiteral("大会のデータを置くフォルダーを作れません。\n") + underFile + u'\n'))
        << notMade->toStdString();

    const QString locked = Path(QStringLiteral("locked"));
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    {
        OrdinaryUser user;
        const std::optional<QString> notWritten = PrepareContestFolder(locked, data);
        ASSERT_TRUE(notWritten.has_value());
        EXPECT_TRUE(notWritten->startsWith(QStringLiteral("大会のデータを置くフォルダーに書き込めません。\n") + locked + u'\n'))
            << notWritten->toStdString();
    }
    EXPECT_TRUE(Entries(locked).isEmpty());
    EXPECT_EQ(Entries(Root.path()), (QStringList{QStringLiteral("data"), QStringLiteral("locked"), QStringLiteral("plain-file")}));

    ScriptedMessageBox messages;
    EXPECT_EQ(OpenContestFolder(underFile, data, messages), std::nullopt);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Text, *notMade);
    EXPECT_EQ(messages.Messages[0].Icon, MessageIcon::Error);
}

TEST_F(ContestFolder, TheFirstStartOfANewFolderIsASetupNotDamage)
{
    EnsureApplication();
    AppTestFolder folder;
    folder.Write(DeliveredSetupRequest, "#FALSE#\r\n#FALSE#\r\n");
    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(LoadContestAtStart(folder.Context));
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{SetupMessage, ResetQuestion}));
    EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Information);
    for (const QString& file : SettingsFiles)
        EXPECT_TRUE(folder.Exists(file)) << file.toStdString();

    // A pending request in a new folder is carried out by the same one setup.
    AppTestFolder requested;
    requested.Write(DeliveredSetupRequest, "#TRUE#\r\n#FALSE#\r\n");
    requested.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(LoadContestAtStart(requested.Context));
    EXPECT_EQ(requested.Messages.Texts(), (std::vector<QString>{SetupMessage, ResetQuestion}));
    EXPECT_EQ(requested.Read(DeliveredSetupRequest), QByteArray("#FALSE#\r\n#FALSE#\r\n"));
}

TEST_F(ContestFolder, AFolderWithSomeSettingsFilesIsStillReportedAsDamaged)
{
    EnsureApplication();
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    for (const QString& file : SettingsFiles.mid(1))
        QFile::remove(folder.Path(file));
    folder.Messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(LoadContestAtStart(folder.Context));
    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{BrokenSettings, ResetQuestion}));
}

TEST_F(ContestFolder, TheVersionWindowNamesTheFolderInUse)
{
    EnsureApplication();
    AppTestFolder folder;
    VersionWindow window(folder.Context);
    window.show();
    const auto* label = window.findChild<QLabel*>(QStringLiteral("folderLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("大会フォルダー：") + folder.Dir.path());
    window.close();
}

TEST(CommandLineTest, ReadsTheFolderAndPutsHelpAndVersionFirst)
{
    const QString program = QStringLiteral("zuvelo");
    EXPECT_EQ(ParseCommandLine({program}).Asked, CommandLine::Action::Run);
    EXPECT_EQ(ParseCommandLine({program, QStringLiteral("--folder"), QStringLiteral("/srv/event")}).Folder,
              QStringLiteral("/srv/event"));
    EXPECT_EQ(ParseCommandLine({program, QStringLiteral("--folder=a b")}).Folder, QStringLiteral("a b"));
    EXPECT_EQ(ParseCommandLine({program, QStringLiteral("--bogus"), QStringLiteral("--help")}).Asked, CommandLine::Action::Help);
    EXPECT_EQ(ParseCommandLine({program, QStringLiteral("-v")}).Asked, CommandLine::Action::Version);
    EXPECT_TRUE(VersionLine().startsWith(QStringLiteral("zuvelo 1.34")));
}

TEST(CommandLineTest, AWrongLineIsRefusedInJapanese)
{
    const std::vector<std::pair<QString, QString>> wrong = {
        {QStringLiteral("--folder"), QStringLiteral("--folder の後にフォルダーがありません。")},
        {QStringLiteral("--bogus"), QStringLiteral("不明なオプションです：--bogus")},
        {QStringLiteral("--version=3"), QStringLiteral("不明なオプションです：--version=3")},
        {QStringLiteral("stray"), QStringLiteral("余分な引数です：stray")},
        {QStringLiteral("--folder="), QStringLiteral("--folder に指定したフォルダーが空です。")}};
    for (const auto& [argument, error] : wrong) {
        const CommandLine line = ParseCommandLine({QStringLiteral("zuvelo"), argument});
        EXPECT_EQ(line.Asked, CommandLine::Action::Wrong) << argument.toStdString();
        EXPECT_EQ(line.Error, error);
    }
    EXPECT_TRUE(CommandLineHelp().startsWith(QStringLiteral("使い方: zuvelo [--folder DIR]\n")));
}
