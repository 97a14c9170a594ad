#include "measure/MeasurementScreen.h"

#include "support/WidgetTestSupport.h"
#include "measure/GaugeBox.h"
#include "core/RecordingFile.h"
#include "widgets/ClickLabel.h"
#include "core/ResultRecord.h"
#include "core/ContestOperations.h"
#include "core/ResultStore.h"
#include "support/FakeClock.h"
#include "support/FakeRecorder.h"
#include "core/ProgramOptions.h"

#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

void Press(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

template <class Control = ClickLabel>
Control* Find(const MeasurementScreen& screen, const char* name)
{
    auto* control = screen.findChild<Control*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

QString Text(const MeasurementScreen& screen, const char* name)
{
    return Find(screen, name)->text();
}

void PressBand(const MeasurementScreen& screen, Qt::MouseButton button)
{
    Click(Find(screen, "measureBand"), button);
}

class MeasurementScreenTest : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        WriteInstalledFolder(Folder);
        const RecordingFormat format = RecordingFormatOf(RecordingQuality::Normal);
        Folder.Write(QLatin1String(format.TemplateName), MakeRecordingHeader(format.SampleRate, format.BitsPerSample, 0));
        Context.Settings.Basic.SoundOn = false;
        Context.Settings.Basic.MeasureSeconds = 1;
        Context.Settings.Basic.PauseAtStop = false;
        SaveBasicSettings(Context);
    }

    std::unique_ptr<MeasurementScreen> OpenScreen()
    {
        auto screen = std::make_unique<MeasurementScreen>(Context, nullptr, std::make_unique<FakeRecorder>(Recorder),
                                                          [this] { return Inputs; }, Clock);
        // Stands in for the result display, which stores the result as it closes.
        MeasurementScreen* window = screen.get();
        QObject::connect(window, &MeasurementScreen::resultDisplayRequested, [this, window](const MeasuredEntrant& entrant) {
            Shown = entrant;
            RecordEntrant(Context, entrant);
            window->resultDisplayClosed();
        });
        screen->show();
        return screen;
    }

    // A left press on the band, and the run it starts to its end.
    void Measure(const MeasurementScreen& screen)
    {
        PressBand(screen, Qt::LeftButton);
        Clock.RunUntil([&screen] { return !screen.isVisible() || screen.State() == Waiting || screen.State() == Stopped; });
    }

    TestFolder Folder;
    ContestSession& Context = Folder.Context;
    FakeRecorder::Log Recorder;
    FakeClock Clock;
    AudioInputList Inputs{{{"virtmic", QStringLiteral("Virtual Microphone")}}, "virtmic"};
    MeasuredEntrant Shown;
};

}

TEST_F(MeasurementScreenTest, OpensOnTheWholeScreenNamingTheNextEntrant)
{
    Folder.Write(QStringLiteral("loudlog.dat"), [] {
        ResultRecord first = ResultRecord::Cleared(1, 1);
        first.TotalPoints = 100;
        return first.Encode();
    }());
    auto screen = OpenScreen();
    EXPECT_EQ(screen->geometry().size(), QSize(screen->ScreenWidth(), screen->ScreenHeight()));
    EXPECT_EQ(Context.Contest.EntryNo, 2);
    EXPECT_EQ(screen->State(), Waiting);
    EXPECT_EQ(Text(*screen, "nextEntryLabel"), QStringLiteral("次は 2番"));
    EXPECT_EQ(Text(*screen, "measureBand"), QStringLiteral("たいきちゅう"));
    EXPECT_EQ(Text(*screen, "headingLabel"), QStringLiteral("おおごえ大会"));
    EXPECT_TRUE(Find(*screen, "headingLabel")->isVisible());
}

TEST_F(MeasurementScreenTest, ALongNameShrinksTheNextEntrantLabelToItsWidthUnlessTheHallIsNotShownNames)
{
    const QString name = QString(39, QChar(u'寿')) + QString::fromUcs4(U"𠮷");
    Folder.Write(QStringLiteral("entrants.csv"),
                 QByteArray("\xEF\xBB\xBF") + QStringLiteral("エントリーNo,名前,所属\r\n1,%1,\r\n").arg(name).toUtf8());
    for (bool shown : {true, false}) {
        ProgramOptions options;
        options.ShowNames = shown;
        ASSERT_FALSE(SaveProgramOptions(Context, options));
        auto screen = OpenScreen();
        ClickLabel* label = Find(*screen, "nextEntryLabel");
        EXPECT_EQ(label->text(), shown ? QStringLiteral("次は 1番　%1 さん").arg(name) : QStringLiteral("次は 1番"));
        EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(label->text()), label->width());
        EXPECT_EQ(label->font().pointSizeF() < Find(*screen, "measureBand")->font().pointSizeF(), shown);
    }
}

TEST_F(MeasurementScreenTest, ARunStoresTheResultAndNamesTheNextEntrant)
{
    auto screen = OpenScreen();
    Measure(*screen);
    EXPECT_EQ(screen->State(), Waiting);
    EXPECT_EQ(Context.Contest.EntryNo, 2);
    EXPECT_EQ(Text(*screen, "nextEntryLabel"), QStringLiteral("次は 2番"));
    ScanLog(Context);
    EXPECT_EQ(Shown.EntryNo, 1);
    EXPECT_EQ(Context.Contest.ScoreTable[1], Shown.Result.TotalPoints.Value);
    EXPECT_GT(Shown.Result.TotalPoints.Value, 0);
    EXPECT_EQ(QFileInfo(Folder.Path(QStringLiteral("xx0001.wav"))).size(), 46 + 8000);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>());
}

TEST_F(MeasurementScreenTest, PausingAtStopWaitsForAPressOnTheBand)
{
    Context.Settings.Basic.PauseAtStop = true;
    SaveBasicSettings(Context);
    auto screen = OpenScreen();
    QSignalSpy boards(screen.get(), &MeasurementScreen::rankingBoardRequested);
    Measure(*screen);
    EXPECT_EQ(screen->State(), Stopped) << "the press that ran stops in the stopped look";
    EXPECT_EQ(Text(*screen, "measureBand"), QStringLiteral("ていしちゅう"));
    EXPECT_EQ(Context.Contest.EntryNo, 1);
    ClickAt(screen.get(), QPoint(2, 2), Qt::RightButton);
    Press(screen.get(), Qt::Key_Space);
    EXPECT_EQ(boards.count(), 0) << "no ranking board while stopped";

    PressBand(*screen, Qt::RightButton);
    EXPECT_EQ(screen->State(), Waiting);
    EXPECT_EQ(Context.Contest.EntryNo, 2);
    Press(screen.get(), Qt::Key_Space);
    EXPECT_EQ(boards.count(), 1) << "Space on the waiting screen opens the board";
}

TEST_F(MeasurementScreenTest, TheLabelsAndTheGaugeKeepClicksFromTheScreen)
{
    auto screen = OpenScreen();
    QSignalSpy boards(screen.get(), &MeasurementScreen::rankingBoardRequested);
    Click(Find(*screen, "nextEntryLabel"), Qt::RightButton);
    Click(Find<GaugeBox>(*screen, "barGauge"), Qt::RightButton);
    EXPECT_EQ(boards.count(), 0);
    ClickAt(screen.get(), QPoint(2, 2), Qt::RightButton);
    EXPECT_EQ(boards.count(), 1) << "a right click on the screen itself shows the board";
}

TEST_F(MeasurementScreenTest, AnUnreadableLogClosesTheScreenBeforeAnyRecordingIsTouched)
{
    Folder.Write(QStringLiteral("xx0001.wav"), "first entrant's shout");
    ASSERT_TRUE(QDir(Folder.Dir.path()).mkdir(QStringLiteral("loudlog.dat")));
    auto screen = OpenScreen();
    Measure(*screen);
    QCoreApplication::processEvents();
    EXPECT_FALSE(screen->isVisible());
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.contains(QStringLiteral("loudlog.dat")));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(Folder.Read(QStringLiteral("xx0001.wav")), QByteArray("first entrant's shout"));
    EXPECT_EQ(Recorder.StartedAt, -1);
}

TEST_F(MeasurementScreenTest, AFullLogRefusesTheNextEntrant)
{
    QByteArray log;
    for (int n = 1; n <= 3000; ++n) {
        ResultRecord record = ResultRecord::Cleared(static_cast<int16_t>(n), 1);
        record.TotalPoints = 5;
        log += record.Encode();
    }
    Folder.Write(QStringLiteral("loudlog.dat"), log);
    auto screen = OpenScreen();
    EXPECT_EQ(Context.Contest.EntryNo, 3001);
    Measure(*screen);
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("エントリー№がMAX(3000人)を超えました！\nデータをクリアしてください！")});
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(Recorder.StartedAt, -1);
}

TEST_F(MeasurementScreenTest, AChosenInputThatIsGoneIsNamedAndNoRunStarts)
{
    ProgramOptions options;
    options.AudioInput = QStringLiteral("usbmic");
    ASSERT_FALSE(SaveProgramOptions(Context, options));
    auto screen = OpenScreen();
    Measure(*screen);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral(
                                           "マイク「usbmic」が見つかりません。\nマイクの接続を確認するか、マイク設定で入力を選んでください。")});
    EXPECT_EQ(Recorder.StartedAt, -1);
    EXPECT_EQ(screen->State(), Waiting);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 1);

    // Back again, it is recorded from.
    Inputs.Inputs.push_back({"usbmic", QStringLiteral("USB Microphone")});
    Measure(*screen);
    EXPECT_EQ(Context.Contest.EntryNo, 2);
}

// The run itself tells of a sound server that is not there.
TEST_F(MeasurementScreenTest, AChosenInputIsNotBlamedWhenNoSoundServerAnswers)
{
    ProgramOptions options;
    options.AudioInput = QStringLiteral("usbmic");
    ASSERT_FALSE(SaveProgramOptions(Context, options));
    Inputs = AudioInputList{{}, {}, true};
    auto screen = OpenScreen();
    Measure(*screen);
    EXPECT_NE(Recorder.StartedAt, -1);
}

TEST_F(MeasurementScreenTest, EscDuringARunStopsItAndStoresNothing)
{
    Context.Settings.Basic.MeasureSeconds = 5;
    SaveBasicSettings(Context);
    auto screen = OpenScreen();
    MeasurementScreen* window = screen.get();
    Clock.At(700, [window] { Press(window, Qt::Key_Escape); });
    PressBand(*screen, Qt::LeftButton);
    Clock.RunUntil([window] { return !window->isVisible(); });
    EXPECT_EQ(Clock.Now, 700) << "the run stops at once";
    Clock.RunUntil();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 1);
    EXPECT_GE(Recorder.Stops, 1) << "the device is stopped";
    EXPECT_EQ(ScanLog(Context), 1) << "nothing is stored";
    EXPECT_TRUE(Folder.Messages.Messages.empty());

    // The screen opens again and measures the same entrant.
    screen->show();
    EXPECT_EQ(Text(*screen, "nextEntryLabel"), QStringLiteral("次は 1番"));
}

TEST_F(MeasurementScreenTest, TheGaugeFillsAndDrawsEachValueOnce)
{
    auto screen = OpenScreen();
    const QImage before = screen->ScreenDrawing();
    screen->DrawGauge(50);
    const QImage half = screen->ScreenDrawing();
    EXPECT_NE(half, before);
    const QPoint centre(screen->ScreenWidth() / 2, screen->ScreenHeight() / 2);
    const int radius = static_cast<int>(screen->ScreenHeight() / 3.5);
    EXPECT_EQ(half.pixelColor(centre + QPoint(radius / 2, 0)), QColor(255, 0, 0)) << "right half red at 50";
    EXPECT_EQ(half.pixelColor(centre - QPoint(radius / 2, 0)), QColor(0, 128, 0)) << "left half green";

    Context.Settings.Screen.GaugeStyle = BarGauge;
    screen->DrawGauge(-1);
    screen->DrawGauge(30);
    const QImage bar = Find<GaugeBox>(*screen, "barGauge")->Picture();
    EXPECT_EQ(bar.pixelColor(bar.width() / 4, bar.height() / 2), QColor(255, 0, 0));
    EXPECT_EQ(bar.pixelColor(bar.width() / 2, bar.height() / 2), QColor(0, 128, 0));
    screen->DrawGauge(100);
    EXPECT_EQ(Find<GaugeBox>(*screen, "barGauge")->Picture().pixelColor(bar.width() - 2, 1), QColor(255, 0, 0));
}

TEST_F(MeasurementScreenTest, AFailedRecordingStepClosesTheScreenAndTheRunUnwinds)
{
    QFile::remove(Folder.Path(QLatin1String(RecordingFormatOf(RecordingQuality::Normal).TemplateName)));
    auto screen = OpenScreen();
    Measure(*screen);
    EXPECT_EQ(Folder.Messages.Texts(), std::vector<QString>{QStringLiteral("グラフデータ保存フォルダが正しくありません！")});
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(Find<QTimer>(*screen, "blinkTimer")->isActive());
    EXPECT_EQ(Recorder.StartedAt, -1) << "nothing is recorded";
    EXPECT_EQ(Context.Contest.EntryNo, 1);
    EXPECT_EQ(ScanLog(Context), 1);
}

// Unlike a failed step (above), a device error leaves the contest folder fit
// to measure in: the operator mends the input and presses again.
TEST_F(MeasurementScreenTest, ADeviceErrorReturnsToTheWaitingLookAndTheEntrantKeepsTheNumber)
{
    Recorder.Accepts = false;
    auto screen = OpenScreen();
    Measure(*screen);
    ASSERT_EQ(Folder.Messages.Texts().size(), 1u);
    EXPECT_TRUE(Folder.Messages.Texts()[0].contains(QStringLiteral("(328)(record mysound from 0 to 1000 overwrite)")));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->State(), Waiting);
    EXPECT_FALSE(Find<QTimer>(*screen, "blinkTimer")->isActive());
    EXPECT_EQ(Text(*screen, "nextEntryLabel"), QStringLiteral("次は 1番"));
    EXPECT_EQ(ScanLog(Context), 1) << "nothing is stored";

    Recorder.Accepts = true;
    Measure(*screen);
    EXPECT_EQ(Shown.EntryNo, 1);
    EXPECT_EQ(ScanLog(Context), 2);
}

TEST_F(MeasurementScreenTest, SettingsBeyondTheirLimitsAreRefusedBeforeAnyRecording)
{
    // Edited by hand after the start-up's check, and read by a window since.
    Context.Settings.Basic.MeasureSeconds = 0;
    auto screen = OpenScreen();
    Measure(*screen);
    QCoreApplication::processEvents();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(Folder.Messages.Texts(),
              std::vector<QString>{QStringLiteral("環境設定データが不正です。(%1)\n測定を始めることはできません。設定を確認してください！")
                                       .arg(QDir::toNativeSeparators(Folder.Path(QStringLiteral("KANKYOU1.REC"))))});
    EXPECT_EQ(Recorder.StartedAt, -1);
    EXPECT_FALSE(QFileInfo::exists(Folder.Path(QStringLiteral("xx0001.wav"))));
}
