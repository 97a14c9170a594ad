// The microphone window with recorders that hand out a known recording at
// once: the test's run from the button to the scores, its cancel and its
// refusal of a recording of the wrong size.
#include "SettingsWindowTest.h"

#include "measure/LoudnessAnalysis.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/MicTest.h"
#include "settings/SampleWidgets.h"
#include "support/FakeRecorder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

class MicWindow : public SettingsWindowTest {
protected:
    void SetUp() override
    {
        SettingsWindowTest::SetUp();
        // A shout rising and falling over the three seconds at 8 kHz.
        for (int i = 0; i < 24000; ++i)
            Recorder.Signal.append(char(128 + std::lround(120 * std::sin(i * 0.3) * std::sin(i * M_PI / 24000))));
    }

    std::unique_ptr<MicrophoneSettingsWindow> Open()
    {
        auto window = std::make_unique<MicrophoneSettingsWindow>(Context, QString(), nullptr, std::make_unique<FakeRecorder>(Recorder));
        window->show();
        return window;
    }

    // The timer's ticks, one after the other, until the test has ended.
    static void RunTicks(MicrophoneSettingsWindow& window, int ticks)
    {
        window.Timer1->stop();
        for (int tick = 0; tick < ticks && window.Testing; ++tick)
            window.Timer1_Timer();
    }

    FakeRecorder::Log Recorder;
};

}

TEST_F(MicWindow, ATestRecordsThreeSecondsAndScoresThemAsAMeasurementWould)
{
    auto window = Open();
    window->HS1->setValue(20);
    window->CmdSTR->click();
    EXPECT_TRUE(window->Testing);
    EXPECT_FALSE(window->CmdSTR->isEnabled() || window->CmdUpd->isEnabled() || window->CmdVol->isEnabled());
    EXPECT_TRUE(window->CmdStp->isEnabled());
    EXPECT_EQ(window->LBX8->text(), QStringLiteral("[入力中]"));
    EXPECT_EQ(BackColour(window->SP1), QColor(255, 0, 0));
    EXPECT_EQ(Recorder.SampleCount, 24000) << "three seconds at 8 kHz";
    window->close();
    EXPECT_TRUE(window->isVisible()) << "a running test keeps the window open";
    RunTicks(*window, TestTicks);

    EXPECT_FALSE(window->Testing);
    const MeasureResult expected = ScoreRecordingFile(Folder.Path(QStringLiteral("mk1.wav")), SampleWidth::Bits8, 20);
    EXPECT_GT(expected.TotalPoints, 0);
    EXPECT_EQ(window->LB101->text(), ScoreLine(QStringLiteral("測定値"), expected.TotalPoints));
    EXPECT_EQ(window->LB102->text(), ScoreLine(QStringLiteral("最大値"), expected.MaxPoints));
    EXPECT_EQ(window->LB103->text(), ScoreLine(QStringLiteral("積算値"), expected.IntegPoints));
    EXPECT_FALSE(window->LB101->isHidden());
    EXPECT_EQ(window->List1->count(), 14);
    EXPECT_EQ(window->AfterTest, 1);
    EXPECT_EQ(window->LBX8->text(), QStringLiteral("***"));
    EXPECT_TRUE(window->CmdSTR->isEnabled() && window->CmdUpd->isEnabled() && window->CmdVol->isEnabled());
    EXPECT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Texts()[0], QStringLiteral("テストを停止してから終了してください！"));
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MicWindow, ACancelledTestScoresNothingAndTheNextCountsFromZero)
{
    auto window = Open();
    window->CmdSTR->click();
    RunTicks(*window, 5);
    window->CmdStp->click();
    RunTicks(*window, 1);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("テストはキャンセルされました！")});
    EXPECT_FALSE(window->Testing);
    EXPECT_TRUE(window->LB101->isHidden());
    EXPECT_FALSE(window->CmdStp->isEnabled());
    EXPECT_EQ(BackColour(window->SP1), QColor(0, 0, 255));
    window->CmdSTR->click();
    EXPECT_EQ(window->TickCount, 0);
    RunTicks(*window, TestTicks);
    EXPECT_FALSE(window->LB101->isHidden());
}

TEST_F(MicWindow, ARecordingOfTheWrongSizeIsReadOutButNotScored)
{
    // A recording a little short of three seconds at 8 kHz.
    Recorder.DeliverAtMost = 23990;
    auto window = Open();
    window->CmdSTR->click();
    RunTicks(*window, TestTicks);
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text, QStringLiteral("データが不一致です！"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("録音データファイルの不正"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(window->DataBytes, 23990);
    EXPECT_EQ(window->List1->count(), 14);
    EXPECT_EQ(window->List1->item(13)->text(), QStringLiteral("DATA SIZE  : B65D00"));
    EXPECT_TRUE(window->LB101->isHidden());
    EXPECT_FALSE(window->Testing);
    EXPECT_TRUE(window->CmdSTR->isEnabled() && window->CmdUpd->isEnabled());
}

TEST_F(MicWindow, AQualityChangeIsAskedForAndRegisteredWithTheCutLevel)
{
    auto window = Open();
    Folder.Messages.Answer(MessageAnswer::No);
    window->OP1[2]->click();
    EXPECT_TRUE(window->OP1[0]->isChecked());
    Folder.Messages.Answer(MessageAnswer::Yes);
    window->OP1[1]->click();
    EXPECT_EQ(window->ExpectedBytes, 96000);
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("音質の変更"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    window->HS1->setValue(35);
    EXPECT_EQ(window->LB6->text(), QStringLiteral("35%以下をカット"));
    Folder.Messages.Messages.clear();
    Folder.Messages.Answer(MessageAnswer::Yes);
    window->CmdUpd->click();
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOUB.REC")), FileOf(MicSettings{35, 1}));
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed());
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("確認"));
}

TEST_F(MicWindow, TheCutBandIsDrawnAcrossThePictureAtItsHeight)
{
    auto window = Open();
    const QImage& picture = window->PC1->Canvas();
    const auto greenRows = [&picture] {
        std::vector<int> rows;
        for (int y = 0; y < picture.height(); ++y) {
            if (picture.pixelColor(picture.width() / 2, y) == QColor(0, 128, 0) &&
                picture.pixelColor(picture.width() - 3, y) == QColor(0, 128, 0))
                rows.push_back(y);
        }
        return rows;
    };
    window->HS1->setValue(50);
    const std::vector<int> half = greenRows();
    ASSERT_GE(half.size(), 2u);
    window->HS1->setValue(100);
    const std::vector<int> full = greenRows();
    ASSERT_GE(full.size(), 2u);
    EXPECT_LT(full.front(), half.front()) << "a higher level, a wider band";
    EXPECT_GT(full.back(), half.back());
    // At 8 bit the full band spans 0 to 256 of the 266 to -10 scale.
    EXPECT_NEAR(full.front(), picture.height() * 10.0 / 276, 1.5);
    EXPECT_NEAR(full.back(), picture.height() * 266.0 / 276, 1.5);
}
