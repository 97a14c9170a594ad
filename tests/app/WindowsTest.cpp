#include "app/Windows.h"

#include "report/PrintPreview.h"
#include "report/ScoreSheetOutput.h"
#include "results/RankingBoard.h"
#include "results/ScoreMonitor.h"
#include "widgets/DesktopSetup.h"
#include "app/AppContext.h"
#include "app/LockedActionWindow.h"
#include "core/ResultStore.h"
#include "core/EntrantRoster.h"
#include "core/ProgramOptions.h"
#include "entrants/EntrantsWindow.h"
#include "settings/EffectSettingsWindow.h"
#include "core/ProgramOptions.h"
#include "support/AppTestFolder.h"
#include "support/HallClient.h"
#include "support/ScoreSheetEntrants.h"
#include "support/WidgetTestSupport.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class WindowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
    }

    AppTestFolder Folder;
    Windows Made{Folder.Context};
};

}

TEST_F(WindowsTest, EachKindIsMadeOnceWithItsFirstOwnerAsParentAndAnewOnceGone)
{
    auto menu = std::make_unique<QWidget>();
    QWidget screen;
    RankingBoard& board = Made.rankingBoard(menu.get());
    EXPECT_EQ(&Made.rankingBoard(&screen), &board);
    EXPECT_EQ(board.parentWidget(), menu.get());

    menu.reset();
    EXPECT_EQ(Made.rankingBoard(&screen).parentWidget(), &screen) << "its owner took the first one with it";

    EXPECT_EQ(&Made.scoreMonitor(), &Made.scoreMonitor());
    EXPECT_EQ(Made.scoreMonitor().parentWidget(), nullptr);
    EXPECT_EQ(Made.scoreSheetOutput().parentWidget(), nullptr);
}

TEST_F(WindowsTest, SettingsReachTheContestOnlyAsAWindowStoresThemAndAreThenPublished)
{
    Folder.Context.Settings.Effect = EffectSettings::Factory();
    QSignalSpy published(&Folder.Context, &ContestSession::settingsPublished);
    EffectSettingsWindow& window = Made.effectSettings(nullptr);
    auto* noBlink = window.findChild<QRadioButton*>(QStringLiteral("noBlinkOption"));
    window.show();
    noBlink->click();
    window.close();
    EXPECT_TRUE(Folder.Context.Settings.Effect.BlinkTopRanks) << "closed without storing";
    EXPECT_EQ(published.count(), 0);

    window.show();
    noBlink->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.findChild<QPushButton*>(QStringLiteral("registerButton"))->click();
    EXPECT_FALSE(Folder.Context.Settings.Effect.BlinkTopRanks);
    ASSERT_EQ(published.count(), 1);
    EXPECT_FALSE(published[0][0].value<SettingsRecord>().Effect.BlinkTopRanks);
}

TEST_F(WindowsTest, StoppingInThePreviewEndsTheScoreSheetRunThere)
{
    InstallFontSubstitutions();
    for (int entryNo = 1; entryNo <= 3; ++entryNo)
        StoreEntrant(Folder.Context, entryNo, 0, 1, 5);
    Made.OpenScoreSheetOutput(ScoreSheetRequest{}, nullptr);
    ScoreSheetOutput& output = Made.scoreSheetOutput();
    std::vector<int> previews;
    QTimer stopInPreview;
    QObject::connect(&stopInPreview, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<PrintPreview*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible())
            return;
        previews.push_back(preview->parentWidget() == &output);
        preview->findChild<QAction*>(QStringLiteral("stopItem"))->trigger();
    });
    stopInPreview.start(10);
    output.findChild<QPushButton*>(QStringLiteral("previewButton"))->click();
    // The run ends, its stop button going grey, once the preview has closed.
    auto* stopButton = output.findChild<QPushButton*>(QStringLiteral("stopButton"));
    EXPECT_TRUE(HandleEventsUntil([stopButton] { return !stopButton->isEnabled(); }, 10000));
    EXPECT_EQ(previews, std::vector<int>{true}) << "one sheet, in a preview over the score sheet output";
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    output.close();
}

TEST_F(WindowsTest, TheHallPageStartsAsTheOptionsSayAndFollowsADataClear)
{
    for (int entryNo = 1; entryNo <= 2; ++entryNo)
        StoreEntrant(Folder.Context, entryNo, 0, 1, 5);
    const int port = FreePort();
    ASSERT_FALSE(SaveHallOptions(Folder.Context, {true, port, {}}));
    Made.ApplyHallOptions();
    EXPECT_TRUE(Folder.Context.HallUrl.endsWith(QStringLiteral(":%1/").arg(port)));
    EXPECT_NE(BodyOf(Exchange(port, Get("/api/ranking"))).find("\"count\":2"), std::string::npos);

    ASSERT_FALSE(ClearLog(Folder.Context));
    emit Made.dataClear(nullptr).actionDone();
    EXPECT_NE(BodyOf(Exchange(port, Get("/api/ranking"))).find("\"count\":0"), std::string::npos);

    ASSERT_FALSE(SaveHallOptions(Folder.Context, {false, port, {}}));
    Made.ApplyHallOptions();
    EXPECT_TRUE(Folder.Context.HallUrl.isEmpty());
    EXPECT_EQ(StatusOf(Exchange(port, Get("/api/ranking"))), 0) << "nothing listens";
}

TEST_F(WindowsTest, TheHallPageShowsTheStoredNamesAsThePrivacyChoiceAllows)
{
    StoreEntrant(Folder.Context, 1, 0, 1, 5);
    const int port = FreePort();
    ASSERT_FALSE(SaveHallOptions(Folder.Context, {true, port, {}}));
    Made.ApplyHallOptions();
    EntrantRoster roster;
    roster.Set(1, {QStringLiteral("Yamada"), {}});
    ASSERT_TRUE(WriteEntrantRoster(Folder.Context.Folder, roster));
    emit Made.entrantsWindow(nullptr).rosterStored();
    EXPECT_NE(BodyOf(Exchange(port, Get("/api/ranking"))).find("\"name\":\"Yamada\""), std::string::npos);

    ProgramOptions options = LoadProgramOptions(Folder.Context);
    options.ShowNames = false;
    ASSERT_FALSE(SaveProgramOptions(Folder.Context, options));
    emit Made.entrantsWindow(nullptr).rosterStored();
    EXPECT_EQ(BodyOf(Exchange(port, Get("/api/ranking"))).find("Yamada"), std::string::npos);
}
