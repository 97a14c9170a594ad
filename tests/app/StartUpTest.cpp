#include "app/MainMenu.h"
#include "app/StartUp.h"

#include "support/AppTestFolder.h"
#include "support/WidgetTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString SetupFile = QStringLiteral("SKANRI.REC");
const QString SetupMessage = QStringLiteral("<< インストール / 初期設定要求 >>\nパソコンの環境にソフトウェアの設定を合わせます。");
const QString ResetQuestion = QStringLiteral("環境設定を初期値に戻します。");
const QStringList SettingsFiles{QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU2.REC"), QStringLiteral("KANKYOU3.REC"),
                                QStringLiteral("KANKYOU4.REC"), QStringLiteral("KANKYOUB.REC")};

class StartUp : public testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    // Starts the menu over the folder's context, as the program does.
    std::unique_ptr<MainMenu> Start(AppTestFolder& folder)
    {
        auto menu = std::make_unique<MainMenu>(folder.Context);
        menu->LoadAtStart();
        return menu;
    }

    QStringList Files(const AppTestFolder& folder) const { return QDir(folder.Dir.path()).entryList(QDir::Files, QDir::Name); }
};

}

TEST_F(StartUp, AFreshFolderIsSetUpWithFactorySettingsOnYes)
{
    AppTestFolder folder;
    folder.Write(SetupFile, "#FALSE#\r\n#FALSE#\r\n");
    folder.Messages.Answer(MessageAnswer::Yes);
    const auto menu = Start(folder);

    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{SetupMessage, ResetQuestion}));
    EXPECT_FALSE(folder.Context.EndRequested());
    for (const QString& file : SettingsFiles)
        EXPECT_TRUE(folder.Exists(file)) << file.toStdString();
    EXPECT_TRUE(menu->findChild<QLabel*>(QStringLiteral("clockLabel"))->text().startsWith(u'<'));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(QSize(folder.Context.ScreenWidth, folder.Context.ScreenHeight), screen);
}

TEST_F(StartUp, AFreshFolderIsLeftUntouchedOnNo)
{
    AppTestFolder folder;
    folder.Write(SetupFile, "#FALSE#\r\n#FALSE#\r\n");
    folder.Messages.Answer(MessageAnswer::No);
    const auto menu = Start(folder);

    EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{SetupMessage, ResetQuestion}));
    EXPECT_TRUE(folder.Context.EndRequested());
    EXPECT_EQ(Files(folder), QStringList{SetupFile});
    EXPECT_EQ(folder.Read(SetupFile), QByteArray("#FALSE#\r\n#FALSE#\r\n"));
}

TEST_F(StartUp, AnInstalledFolderStartsWithoutAQuestion)
{
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    const auto menu = Start(folder);
    EXPECT_TRUE(folder.Messages.Messages.empty());
    EXPECT_FALSE(folder.Context.EndRequested());
    EXPECT_EQ(folder.Context.Settings.Basic, BasicSettings::Factory());
}

TEST_F(StartUp, ASetupRequestIsCarriedOutOnceThenCleared)
{
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    folder.Context.Settings.Basic.MeasureSeconds = 9;
    SaveBasicSettings(folder.Context);
    folder.Write(SetupFile, "#TRUE#\r\n#TRUE#\r\n");
    folder.Messages.Answer(MessageAnswer::Yes);
    {
        const auto menu = Start(folder);
        ASSERT_EQ(folder.Messages.Texts(), (std::vector<QString>{SetupMessage, ResetQuestion}));
        EXPECT_EQ(folder.Messages.Messages[0].Icon, MessageIcon::Information);
        EXPECT_EQ(folder.Read(SetupFile), QByteArray("#FALSE#\r\n#TRUE#\r\n"));
        EXPECT_EQ(folder.Context.Settings.Basic, BasicSettings::Factory());
        EXPECT_FALSE(folder.Context.EndRequested());
    }
    AppContext next(folder.Dir.path(), folder.Messages);
    folder.Messages.Messages.clear();
    MainMenu again(next);
    again.LoadAtStart();
    EXPECT_TRUE(folder.Messages.Messages.empty()) << "the request was consumed";
}

TEST_F(StartUp, DecliningTheSetupEndsTheProgramAndKeepsTheSettings)
{
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    folder.Context.Settings.Basic.MeasureSeconds = 9;
    SaveBasicSettings(folder.Context);
    const QByteArray basic = folder.Read(QStringLiteral("KANKYOU1.REC"));
    folder.Write(SetupFile, "#TRUE#\r\n#FALSE#\r\n");
    folder.Messages.Answer(MessageAnswer::No);
    {
        const auto menu = Start(folder);
        EXPECT_EQ(folder.Messages.Texts(), (std::vector<QString>{SetupMessage, ResetQuestion}));
        EXPECT_TRUE(folder.Context.EndRequested());
        EXPECT_EQ(folder.Read(QStringLiteral("KANKYOU1.REC")), basic);
        EXPECT_EQ(folder.Read(SetupFile), QByteArray("#FALSE#\r\n#FALSE#\r\n"));
    }
    AppContext next(folder.Dir.path(), folder.Messages);
    folder.Messages.Messages.clear();
    MainMenu again(next);
    again.LoadAtStart();
    EXPECT_TRUE(folder.Messages.Messages.empty());
    EXPECT_EQ(next.Settings.Basic.MeasureSeconds, 9);
}

TEST_F(StartUp, DamagedSettingsAreNamedAndANoEndsTheProgramWithoutWritingAnything)
{
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    folder.Write(QStringLiteral("KANKYOUB.REC"), "10\r\n7\r\n");
    const QStringList before = Files(folder);
    folder.Messages.Answer(MessageAnswer::No);
    const auto menu = Start(folder);
    EXPECT_EQ(folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("環境設定データが不正です!\nKANKYOUB.REC の 2行目「7」は使えない値です。\n出荷時に戻します。\n"
                                                   "今の設定ファイルは、名前に日時を付けて残します。"),
                                    ResetQuestion}));
    EXPECT_TRUE(folder.Context.EndRequested());
    EXPECT_EQ(Files(folder), before);
    EXPECT_EQ(folder.Read(QStringLiteral("KANKYOUB.REC")), QByteArray("10\r\n7\r\n"));
}

TEST_F(StartUp, ASecondCopyIsRefusedBeforeItTouchesAnyFile)
{
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    const auto first = Start(folder);
    ASSERT_FALSE(folder.Context.EndRequested());

    folder.Write(SetupFile, "#TRUE#\r\n#FALSE#\r\n");
    ScriptedMessageBox secondMessages;
    AppContext second(folder.Dir.path(), secondMessages);
    MainMenu secondMenu(second);
    secondMenu.LoadAtStart();
    ASSERT_EQ(secondMessages.Messages.size(), 1u);
    EXPECT_EQ(secondMessages.Messages[0].Text, QStringLiteral("ずべろは既に起動されています！\n") + folder.Dir.path());
    EXPECT_EQ(secondMessages.Messages[0].Title, QStringLiteral("二重起動の禁止"));
    EXPECT_EQ(secondMessages.Messages[0].Icon, MessageIcon::Information);
    EXPECT_TRUE(second.EndRequested());
    EXPECT_FALSE(folder.Context.EndRequested());
    EXPECT_EQ(folder.Read(SetupFile), QByteArray("#TRUE#\r\n#FALSE#\r\n")) << "the request is left for a real start";
}

TEST_F(StartUp, TheFolderIsFreeAgainOnceTheFirstCopyHasEnded)
{
    AppTestFolder folder;
    WriteInstalledFolder(folder);
    Start(folder).reset();
    AppContext next(folder.Dir.path(), folder.Messages);
    MainMenu again(next);
    again.LoadAtStart();
    EXPECT_FALSE(next.EndRequested());
    EXPECT_TRUE(folder.Messages.Messages.empty());
}

TEST_F(StartUp, CopiesOnDifferentFoldersRunSideBySide)
{
    AppTestFolder one;
    AppTestFolder two;
    WriteInstalledFolder(one);
    WriteInstalledFolder(two);
    const auto first = Start(one);
    const auto second = Start(two);
    EXPECT_FALSE(one.Context.EndRequested());
    EXPECT_FALSE(two.Context.EndRequested());
}

TEST_F(StartUp, AFolderPathTheSettingsCannotHoldIsNamedWithItsCharacters)
{
    QTemporaryDir parent;
    const QString path = parent.filePath(QStringLiteral("Über 🎤 café №1"));
    ASSERT_TRUE(QDir().mkpath(path));
    ScriptedMessageBox messages;
    AppContext context(path, messages);
    messages.Answer(MessageAnswer::Yes);
    LoadContestAtStart(context);
    ASSERT_FALSE(messages.Messages.empty());
    EXPECT_TRUE(messages.Messages[0].Text.contains(QStringLiteral("書き込めない文字： Ü🎤é\n"))) << messages.Messages[0].Text.toStdString();
    EXPECT_EQ(messages.Messages[0].Icon, MessageIcon::Warning);
}
