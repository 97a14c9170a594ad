#include "app/ContestReset.h"
#include "app/FactoryResetWindow.h"
#include "app/DataClearWindow.h"
#include "app/MainMenu.h"
#include "store/ResultStore.h"

#include "support/AppTestFolder.h"
#include "support/WidgetTestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString SetupFile = QStringLiteral("SKANRI.REC");
const QStringList Recordings{QStringLiteral("xx0001.wav"), QStringLiteral("XX0002.WAV"), QStringLiteral("xX0003.Wav")};
const QStringList OtherFiles{QStringLiteral("start.wav"),   QStringLiteral("v1.wav"),       QStringLiteral("mksrc.wav"),
                             QStringLiteral("REPSETZ.REC"), QStringLiteral("axx0001.wav"),  QStringLiteral("xx0004.wav.bak"),
                             QStringLiteral("xx0005.wa"),   QStringLiteral("KANKYOU1.REC")};

void WriteAll(const TestFolder& folder, const QStringList& names)
{
    for (const QString& name : names)
        folder.Write(name, "data");
}

// A contest under way: one entrant in the log.
void StoreOneEntrant(TestFolder& folder)
{
    MeasureResult result;
    result.TotalPoints = 500;
    ASSERT_TRUE(StoreResult(folder.Context, 1, result));
    ASSERT_EQ(ScanLog(folder.Context), std::optional<int16_t>(2));
}

class ContestReset : public testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    TestFolder Folder;
};

}

TEST_F(ContestReset, DeletesExactlyTheRecordingsInAnyLetterCase)
{
    WriteAll(Folder, Recordings);
    WriteAll(Folder, OtherFiles);
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("xx0006.wav")));
    EXPECT_TRUE(DeleteRecordings(Folder.Dir.path()));
    for (const QString& name : Recordings)
        EXPECT_FALSE(Folder.Exists(name)) << name.toStdString();
    for (const QString& name : OtherFiles)
        EXPECT_TRUE(Folder.Exists(name)) << name.toStdString();
    EXPECT_TRUE(Folder.Exists(QStringLiteral("xx0006.wav"))) << "a folder is not a recording";
}

TEST_F(ContestReset, FindingNoRecordingOrNoFolderCountsAsFailure)
{
    WriteAll(Folder, OtherFiles);
    EXPECT_FALSE(DeleteRecordings(Folder.Dir.path()));
    EXPECT_FALSE(DeleteRecordings(Folder.Path(QStringLiteral("missing"))));
}

TEST_F(ContestReset, TheActionButtonsFollowTheirLockBoxes)
{
    DataClearWindow clear(Folder.Context);
    FactoryResetWindow reset(Folder.Context);
    Folder.Write(SetupFile, "#FALSE#\r\n#FALSE#\r\n");
    const std::pair<QCheckBox*, QPushButton*> pairs[] = {{clear.CK1, clear.CmdClr}, {reset.CK2, reset.CmdUP2}};
    clear.show();
    reset.show();
    for (const auto& [lock, button] : pairs) {
        EXPECT_EQ(lock->text(), QStringLiteral("実行ロック"));
        EXPECT_FALSE(lock->isChecked());
        EXPECT_FALSE(button->isEnabled());
        button->click();
        lock->click();
        EXPECT_TRUE(button->isEnabled());
        lock->click();
        EXPECT_FALSE(button->isEnabled());
        lock->click();
    }
    EXPECT_TRUE(Folder.Messages.Messages.empty()) << "a locked button does nothing";
    clear.hide();
    reset.hide();
    clear.show();
    reset.show();
    EXPECT_FALSE(clear.CK1->isChecked() || clear.CmdClr->isEnabled()) << "each opening starts locked";
    EXPECT_FALSE(reset.CK2->isChecked() || reset.CmdUP2->isEnabled());
    EXPECT_EQ(clear.CmdClr->text(), QStringLiteral("実行(&U)"));
    EXPECT_EQ(reset.CmdUP2->text(), QStringLiteral("実行(&X)"));
}

TEST_F(ContestReset, ADataClearEmptiesTheLogAndDeletesTheRecordings)
{
    StoreOneEntrant(Folder);
    WriteAll(Folder, Recordings);
    WriteAll(Folder, OtherFiles);
    DataClearWindow window(Folder.Context);
    window.show();
    window.CK1->click();
    window.CmdClr->click();

    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("クリアしました！")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::None);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ScanLog(Folder.Context), std::optional<int16_t>(1));
    for (const QString& name : Recordings)
        EXPECT_FALSE(Folder.Exists(name)) << name.toStdString();
    for (const QString& name : OtherFiles)
        EXPECT_TRUE(Folder.Exists(name)) << name.toStdString();
}

TEST_F(ContestReset, ADataClearWithoutRecordingsStillEmptiesTheLog)
{
    StoreOneEntrant(Folder);
    DataClearWindow window(Folder.Context);
    window.show();
    window.CK1->click();
    window.CmdClr->click();

    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("データが不正です。(WAVｸﾘｱ)")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ScanLog(Folder.Context), std::optional<int16_t>(1));
}

TEST_F(ContestReset, RecordingsAreKeptWhenTheLogCannotBeCleared)
{
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("loudlog.dat")));
    WriteAll(Folder, Recordings);
    DataClearWindow window(Folder.Context);
    window.show();
    window.CK1->click();
    window.CmdClr->click();

    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("ﾛｸﾞのｸﾘｱができません！")});
    for (const QString& name : Recordings)
        EXPECT_TRUE(Folder.Exists(name)) << name.toStdString();
    EXPECT_TRUE(window.isVisible()) << "the operator can try again";
}

TEST_F(ContestReset, DecliningTheResetRequestChangesNothing)
{
    Folder.Write(SetupFile, "#FALSE#\r\n#TRUE#\r\n");
    FactoryResetWindow window(Folder.Context);
    window.show();
    window.CK2->click();
    Folder.Messages.Answer(MessageAnswer::No);
    window.CmdUP2->click();

    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    const ScriptedMessageBox::Shown& question = Folder.Messages.Messages[0];
    EXPECT_EQ(question.Text, QStringLiteral("セットアップ時のシステム設定をします。\n次回の起動時にすべての設定が出荷時に戻ります。\n実行しますか?"));
    EXPECT_EQ(question.Title, QStringLiteral("確認"));
    EXPECT_EQ(question.Icon, MessageIcon::Warning);
    EXPECT_EQ(question.Buttons, MessageButtons::YesNo);
    EXPECT_EQ(Folder.Read(SetupFile), QByteArray("#FALSE#\r\n#TRUE#\r\n"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Folder.Context.EndRequested());
}

TEST_F(ContestReset, AnAcceptedRequestIsStoredEndsTheProgramAndIsCarriedOutAtTheNextStart)
{
    WriteInstalledFolder(Folder);
    Folder.Write(SetupFile, "#FALSE#\r\n#TRUE#\r\n");
    const QByteArray basic = Folder.Read(QStringLiteral("KANKYOU1.REC"));
    {
        FactoryResetWindow window(Folder.Context);
        window.show();
        window.CK2->click();
        Folder.Messages.Answer(MessageAnswer::Yes);
        window.CmdUP2->click();

        EXPECT_EQ(Folder.Messages.Texts().back(), QStringLiteral("実行しました！　再度、ソフトウェアを起動してください。"));
        EXPECT_EQ(Folder.Read(SetupFile), QByteArray("#TRUE#\r\n#TRUE#\r\n")) << "the companion is kept";
        EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU1.REC")), basic) << "settings wait for the next start";
        EXPECT_TRUE(Folder.Context.EndRequested());
        EXPECT_FALSE(window.isVisible());
    }
    ScriptedMessageBox nextMessages;
    AppContext next(Folder.Dir.path(), nextMessages);
    nextMessages.Answer(MessageAnswer::Yes);
    MainMenu menu(next);
    menu.Form_Load();
    EXPECT_EQ(nextMessages.Texts().front(),
              QStringLiteral("<< インストール / 初期設定要求 >>\nパソコンの環境にソフトウェアの設定を合わせます。"));
}

TEST_F(ContestReset, ARequestThatCannotBeStoredIsNotReportedAsDone)
{
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(SetupFile));
    FactoryResetWindow window(Folder.Context);
    window.show();
    window.CK2->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUP2->click();

    const std::vector<QString> texts = Folder.Messages.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_TRUE(texts.back().startsWith(QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)")));
    EXPECT_FALSE(Folder.Context.EndRequested());
    EXPECT_TRUE(window.isVisible());
}
