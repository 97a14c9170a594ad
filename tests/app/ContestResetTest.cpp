#include "app/ContestReset.h"
#include "app/LockedActionWindow.h"
#include "app/MainMenu.h"
#include "core/ContestOperations.h"
#include "core/ResultStore.h"

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
    result.TotalPoints = Points{500};
    ASSERT_TRUE(std::holds_alternative<ResultRecord>(StoreResult(folder.Context, MeasuredNow(folder.Context, 1, result))));
    ASSERT_EQ(ScanLog(folder.Context), std::optional<int16_t>(2));
}

QCheckBox* LockBox(const QWidget& window)
{
    return window.findChild<QCheckBox*>(QStringLiteral("lockBox"));
}

QPushButton* ActionButton(const QWidget& window)
{
    return window.findChild<QPushButton*>(QStringLiteral("actionButton"));
}

// Opens the window, unlocks it and presses its button.
void RunUnlocked(LockedActionWindow& window)
{
    window.show();
    LockBox(window)->click();
    ActionButton(window)->click();
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
    LockedActionWindow clear(DataClear(Folder.Context));
    LockedActionWindow reset(FactoryResetRequest(Folder.Context));
    Folder.Write(SetupFile, "#FALSE#\r\n#FALSE#\r\n");
    clear.show();
    reset.show();
    for (const LockedActionWindow* window : {&clear, &reset}) {
        QCheckBox* lock = LockBox(*window);
        QPushButton* button = ActionButton(*window);
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
    EXPECT_FALSE(LockBox(clear)->isChecked() || ActionButton(clear)->isEnabled()) << "each opening starts locked";
    EXPECT_FALSE(LockBox(reset)->isChecked() || ActionButton(reset)->isEnabled());
    EXPECT_EQ(clear.windowTitle(), QStringLiteral("データクリア"));
    EXPECT_EQ(reset.windowTitle(), QStringLiteral("設定初期化"));
    EXPECT_EQ(ActionButton(clear)->text(), QStringLiteral("実行(&U)"));
    EXPECT_EQ(ActionButton(reset)->text(), QStringLiteral("実行(&X)"));
}

TEST_F(ContestReset, ADataClearEmptiesTheLogAndDeletesTheRecordings)
{
    StoreOneEntrant(Folder);
    WriteAll(Folder, Recordings);
    WriteAll(Folder, OtherFiles);
    LockedActionWindow window(DataClear(Folder.Context));
    RunUnlocked(window);

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
    Folder.Write(SetupFile, "#FALSE#\r\n#TRUE#\r\n");
    StoreOneEntrant(Folder);
    LockedActionWindow window(DataClear(Folder.Context));
    RunUnlocked(window);

    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("データが不正です。(WAVｸﾘｱ)")});
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ScanLog(Folder.Context), std::optional<int16_t>(1));
}

TEST_F(ContestReset, RecordingsAreKeptWhenTheLogCannotBeCleared)
{
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("loudlog.dat")));
    WriteAll(Folder, Recordings);
    LockedActionWindow window(DataClear(Folder.Context));
    RunUnlocked(window);

    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("ﾛｸﾞのｸﾘｱができません！")});
    for (const QString& name : Recordings)
        EXPECT_TRUE(Folder.Exists(name)) << name.toStdString();
    EXPECT_TRUE(window.isVisible()) << "the operator can try again";
}

TEST_F(ContestReset, DecliningTheResetRequestChangesNothing)
{
    Folder.Write(SetupFile, "#FALSE#\r\n#TRUE#\r\n");
    LockedActionWindow window(FactoryResetRequest(Folder.Context));
    Folder.Messages.Answer(MessageAnswer::No);
    RunUnlocked(window);

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

TEST_F(ContestReset, TheRequestWarnsOfTheNextEntrantsDuringAContest)
{
    Folder.Write(SetupFile, "#FALSE#\r\n#TRUE#\r\n");
    StoreOneEntrant(Folder);
    LockedActionWindow window(FactoryResetRequest(Folder.Context));
    Folder.Messages.Answer(MessageAnswer::No);
    RunUnlocked(window);
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.startsWith(QStringLiteral("セットアップ時のシステム設定をします。\n")));
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.endsWith(QStringLiteral("次の出場者から測定の条件が変わります。")));
}

TEST_F(ContestReset, AnAcceptedRequestIsStoredEndsTheProgramAndIsCarriedOutAtTheNextStart)
{
    WriteInstalledFolder(Folder);
    Folder.Write(SetupFile, "#FALSE#\r\n#TRUE#\r\n");
    const QByteArray basic = Folder.Read(QStringLiteral("KANKYOU1.REC"));
    {
        LockedActionWindow window(FactoryResetRequest(Folder.Context));
        Folder.Messages.Answer(MessageAnswer::Yes);
        RunUnlocked(window);

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
    menu.LoadAtStart();
    EXPECT_EQ(nextMessages.Texts().front(),
              QStringLiteral("<< インストール / 初期設定要求 >>\nパソコンの環境にソフトウェアの設定を合わせます。"));
}

TEST_F(ContestReset, ARequestThatCannotBeStoredIsNotReportedAsDone)
{
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(SetupFile));
    LockedActionWindow window(FactoryResetRequest(Folder.Context));
    Folder.Messages.Answer(MessageAnswer::Yes);
    RunUnlocked(window);

    const std::vector<QString> texts = Folder.Messages.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_TRUE(texts.back().startsWith(QStringLiteral("ファイル書こみエラーです。(SKANRI.REC)")));
    EXPECT_FALSE(Folder.Context.EndRequested());
    EXPECT_TRUE(window.isVisible());
}
