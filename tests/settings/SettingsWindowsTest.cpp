// What the five settings windows share, and the basic, sound and special
// effects windows.
#include "SettingsWindowTest.h"

#include "core/SettingsStore.h"
#include "widgets/StoredColour.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/SampleWidgets.h"
#include "settings/BasicSettingsWindow.h"
#include "settings/ScreenSettingsWindow.h"
#include "settings/SoundSettingsWindow.h"
#include "support/FakeRecorder.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

const QStringList SettingsFiles{QStringLiteral("KANKYOU1.REC"), QStringLiteral("KANKYOU2.REC"), QStringLiteral("KANKYOU3.REC"),
                                QStringLiteral("KANKYOU4.REC"), QStringLiteral("KANKYOUB.REC")};

class SettingsWindows : public SettingsWindowTest {
protected:
    std::map<QString, QByteArray> ReadSettingsFiles() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : SettingsFiles)
            files[name] = Folder.Read(name);
        return files;
    }

    // Each window, opened, with its register button.
    struct Opened {
        std::unique_ptr<SettingsDialog> Window;
        QPushButton* Register;
    };
    std::vector<Opened> OpenAll()
    {
        std::vector<std::unique_ptr<SettingsDialog>> all;
        all.push_back(std::make_unique<BasicSettingsWindow>(Context));
        all.push_back(std::make_unique<ScreenSettingsWindow>(Context));
        all.push_back(std::make_unique<SoundSettingsWindow>(Context, QString()));
        all.push_back(std::make_unique<EffectSettingsWindow>(Context));
        all.push_back(std::make_unique<MicrophoneSettingsWindow>(Context, QString(), nullptr, std::make_unique<FakeRecorder>(Recorder)));
        std::vector<Opened> windows;
        for (auto& window : all) {
            window->show();
            QPushButton* button = Child<QPushButton>(*window, "registerButton");
            windows.push_back({std::move(window), button});
        }
        return windows;
    }

    FakeRecorder::Log Recorder;
};

}

TEST_F(SettingsWindows, RegisteringWithoutAChangeKeepsEveryFactoryFileByteForByte)
{
    const auto before = ReadSettingsFiles();
    for (Opened& opened : OpenAll()) {
        Folder.Messages.Answer(MessageAnswer::Yes);
        opened.Register->click();
        EXPECT_FALSE(opened.Window->isVisible()) << opened.Window->windowTitle().toStdString();
    }
    EXPECT_EQ(ReadSettingsFiles(), before);
    EXPECT_EQ(Folder.Messages.Texts().size(), 10u);
}

TEST_F(SettingsWindows, ClosingWithoutRegisteringWritesNothing)
{
    const auto before = ReadSettingsFiles();
    // The microphone window asks before each change of quality.
    for (int question = 0; question < 3; ++question)
        Folder.Messages.Answer(MessageAnswer::Yes);
    for (Opened& opened : OpenAll()) {
        for (QLineEdit* box : opened.Window->findChildren<QLineEdit*>()) {
            SendFocus(box, QEvent::FocusIn);
            box->setText(QStringLiteral("7"));
            SendFocus(box, QEvent::FocusOut);
        }
        for (QRadioButton* option : opened.Window->findChildren<QRadioButton*>())
            option->click();
        opened.Window->close();
        EXPECT_FALSE(opened.Window->isVisible());
    }
    EXPECT_EQ(ReadSettingsFiles(), before);
    for (const QString& text : Folder.Messages.Texts())
        EXPECT_NE(text, QStringLiteral("設定を登録しますか？"));
}

TEST_F(SettingsWindows, AFailedSaveIsReportedAloneAndTheWindowStaysOpen)
{
    // A folder where the file should be: it cannot be replaced.
    QDir(Folder.Dir.path()).remove(QStringLiteral("KANKYOU4.REC"));
    QDir(Folder.Dir.path()).mkdir(QStringLiteral("KANKYOU4.REC"));
    EffectSettingsWindow window(Context);
    window.show();
    auto* registerButton = Child<QPushButton>(window, "registerButton");
    Folder.Messages.Answer(MessageAnswer::Yes);
    registerButton->click();
    EXPECT_EQ(Folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("設定を登録しますか？"), QStringLiteral("管理データの書き込みができません！")}));
    EXPECT_TRUE(window.isVisible());
    Folder.Messages.Answer(MessageAnswer::No);
    registerButton->click();
    EXPECT_TRUE(window.isVisible()) << "No leaves the window as it was";
}

namespace {

// The controls of the basic window that the tests use.
struct BasicControls {
    explicit BasicControls(const BasicSettingsWindow& window)
        : TimeBox(Child<QLineEdit>(window, "measureTimeBox")),
          TimeBar(Child<QScrollBar>(window, "measureTimeBar")),
          WaitBox(Child<QLineEdit>(window, "startWaitBox")),
          WaitBar(Child<QScrollBar>(window, "startWaitBar")),
          Register(Child<QPushButton>(window, "registerButton"))
    {
    }
    QLineEdit* TimeBox;
    QScrollBar* TimeBar;
    QLineEdit* WaitBox;
    QScrollBar* WaitBar;
    QPushButton* Register;
};

void TypeAndLeave(QLineEdit* box, const QString& text)
{
    SendFocus(box, QEvent::FocusIn);
    box->setText(text);
    SendFocus(box, QEvent::FocusOut);
}

void DoubleClick(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent click(QEvent::MouseButtonDblClick, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &click);
}

}

TEST_F(SettingsWindows, TheBasicWindowStoresItsFileAsTheStoreWritesIt)
{
    BasicSettingsWindow window(Context);
    window.show();
    const BasicControls controls(window);
    TypeAndLeave(controls.TimeBox, QStringLiteral("12"));
    controls.WaitBar->setValue(7);
    Child<QRadioButton>(window, "soundOffOption")->click();
    Child<QRadioButton>(window, "waveformOnOption")->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    controls.Register->click();
    BasicSettings expected = BasicSettings::Factory();
    expected.MeasureSeconds = 12;
    expected.StartWaitTenths = 7;
    expected.SoundOn = false;
    expected.WaveformDisplay = true;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU1.REC")), FileOf(expected));
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed());
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("確認"));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SettingsWindows, TheMeasurementTimeBoxRestoresOutOfRangeAndRoundsHalvesToEven)
{
    BasicSettingsWindow window(Context);
    window.show();
    const BasicControls controls(window);
    TypeAndLeave(controls.TimeBox, QStringLiteral("31"));
    EXPECT_EQ(controls.TimeBox->text(), QStringLiteral("3"));
    EXPECT_EQ(controls.TimeBar->value(), 3);
    TypeAndLeave(controls.TimeBox, QStringLiteral("30"));
    EXPECT_EQ(controls.TimeBar->value(), controls.TimeBar->maximum());
    TypeAndLeave(controls.TimeBox, QStringLiteral("2.5"));
    EXPECT_EQ(controls.TimeBar->value(), 2);
    EXPECT_EQ(controls.TimeBox->text(), QStringLiteral("2")) << "the box shows what will be stored";
    TypeAndLeave(controls.TimeBox, QStringLiteral("3.5"));
    EXPECT_EQ(controls.TimeBar->value(), 4);
    controls.TimeBar->setValue(17);
    EXPECT_EQ(controls.TimeBox->text(), QStringLiteral("17"));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(SettingsWindows, TheStartWaitRestoresBelowMinusTwentyAndWarnsBelowZero)
{
    BasicSettingsWindow window(Context);
    window.show();
    const BasicControls controls(window);
    TypeAndLeave(controls.WaitBox, QStringLiteral("-21"));
    EXPECT_EQ(controls.WaitBox->text(), QStringLiteral("0"));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    TypeAndLeave(controls.WaitBox, QStringLiteral("-20"));
    EXPECT_EQ(controls.WaitBar->value(), controls.WaitBar->minimum());
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text,
              QStringLiteral("マイナスを設定する場合は注意！\nヘルプのスタートウェイトについてを参照してください。"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("注意事項"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    SendFocus(controls.WaitBar, QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(Folder.Messages.Messages.size(), 2u) << "leaving the spinner below zero warns as well";
    controls.WaitBar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(controls.WaitBox->text(), QStringLiteral("-20")) << "the upper arrow shortens the wait, down to its top";
}

TEST_F(SettingsWindows, TheStartWaitWarnsOnlyWhenTheOperatorLeavesIt)
{
    BasicSettingsWindow window(Context);
    window.show();
    const BasicControls controls(window);
    controls.WaitBar->setValue(-5);
    // Another window taking the activation, a pop-up, the warning itself:
    // none of them is the operator leaving the box or the spinner.
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::OtherFocusReason}) {
        for (QWidget* control : std::initializer_list<QWidget*>{controls.WaitBox, controls.WaitBar}) {
            SendFocus(control, QEvent::FocusIn, reason);
            SendFocus(control, QEvent::FocusOut, reason);
        }
    }
    EXPECT_TRUE(Folder.Messages.Messages.empty());

    // The focus the warning takes away from the spinner while it shows does
    // not warn a second time.
    Folder.Messages.OnShow = [&controls](const QString&) { SendFocus(controls.WaitBar, QEvent::FocusOut, Qt::TabFocusReason); };
    SendFocus(controls.WaitBox, QEvent::FocusOut, Qt::BacktabFocusReason);
    EXPECT_EQ(Folder.Messages.Messages.size(), 1u);
}

TEST_F(SettingsWindows, TypingAtTheStartReplacesTheTextAndEnterChangesNothing)
{
    BasicSettingsWindow window(Context);
    window.show();
    QLineEdit* box = BasicControls(window).TimeBox;
    SendFocus(box, QEvent::FocusIn);
    box->setCursorPosition(0);
    TypeKeys(box, QStringLiteral("25"));
    EXPECT_EQ(box->text(), QStringLiteral("25"));
    PressKey(box, Qt::Key_Return);
    PressKey(&window, Qt::Key_Return);
    EXPECT_EQ(box->text(), QStringLiteral("25"));
    EXPECT_EQ(box->cursorPosition(), 2);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Folder.Messages.Messages.empty()) << "Enter registers nothing";
}

TEST_F(SettingsWindows, ARunningContestLocksTheMeasurementTimeAndTheRecordingChoices)
{
    Context.Settings.Basic.MeasureSeconds = 45;
    SaveBasicSettings(Context);
    WriteLogWithOneEntrant();
    BasicSettingsWindow basic(Context);
    basic.show();
    const BasicControls controls(basic);
    auto* basicMessage = Child<QLabel>(basic, "lockMessage");
    EXPECT_FALSE(controls.TimeBox->isEnabled() || controls.TimeBar->isEnabled());
    EXPECT_EQ(basicMessage->text(), QStringLiteral("プレイ中は計測時間の変更はできません。"));
    EXPECT_TRUE(basicMessage->isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 2);
    Child<QRadioButton>(basic, "soundOffOption")->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    controls.Register->click();
    BasicSettings expected = BasicSettings::Factory();
    expected.MeasureSeconds = 45;
    expected.SoundOn = false;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU1.REC")), FileOf(expected)) << "the other six settings are registered";

    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QString(), nullptr, std::make_unique<FakeRecorder>(recorder));
    mic.show();
    const auto micLocked = [&mic] {
        return !Child(mic, "qualityFrame")->isEnabled() && !Child(mic, "cutLevelBar")->isEnabled() &&
               !Child(mic, "volumeButton")->isEnabled() && Child(mic, "lockMessage")->isVisible();
    };
    EXPECT_TRUE(micLocked());
    EXPECT_TRUE(Child(mic, "testButton")->isEnabled()) << "a test is still possible";

    QFile::remove(Folder.Path(QStringLiteral("loudlog.dat")));
    mic.close();
    basic.show();
    mic.show();
    EXPECT_TRUE(controls.TimeBox->isEnabled() && Child(mic, "cutLevelBar")->isEnabled() &&
                Child(mic, "volumeButton")->isEnabled())
        << "each opening looks again";
    EXPECT_FALSE(basicMessage->isVisible() || Child(mic, "lockMessage")->isVisible());

    // A log that cannot be read may hold a contest: it locks, although the
    // last scan found none.
    mic.close();
    basic.close();
    Folder.Write(QStringLiteral("loudlog.dat"), QByteArray(7, 'x'));
    basic.show();
    mic.show();
    EXPECT_FALSE(controls.TimeBox->isEnabled());
    EXPECT_TRUE(micLocked());
}

TEST_F(SettingsWindows, AContestKeepsTheStoredMicrophoneSettingsEvenOutOfRange)
{
    Folder.Write(QStringLiteral("KANKYOUB.REC"), "150\r\n7\r\n");
    LoadAllSettings(Context);
    WriteLogWithOneEntrant();
    const QByteArray before = Folder.Read(QStringLiteral("KANKYOUB.REC"));
    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QString(), nullptr, std::make_unique<FakeRecorder>(recorder));
    mic.show();
    EXPECT_EQ(Child<QScrollBar>(mic, "cutLevelBar")->value(), 100);
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QPushButton>(mic, "registerButton")->click();
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed());
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOUB.REC")), before);
}

TEST_F(SettingsWindows, StoredValuesOutOfRangeOpenClampedAndStayOnDiskUntilRegistered)
{
    Folder.Write(QStringLiteral("KANKYOU1.REC"), "45\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n-50\r\n");
    Folder.Write(QStringLiteral("KANKYOU3.REC"), [this] {
        SoundSettings sound = SoundSettings::Factory(Folder.Dir.path());
        sound.RankSoundFromEntry = 500;
        return FileOf(sound);
    }());
    Folder.Write(QStringLiteral("KANKYOU4.REC"), "#TRUE#\r\n99\r\n0\r\n65280\r\n65535\r\n255\r\n");
    Folder.Write(QStringLiteral("KANKYOUB.REC"), "150\r\n7\r\n");
    LoadAllSettings(Context);
    const auto before = ReadSettingsFiles();

    BasicSettingsWindow basic(Context);
    basic.show();
    EXPECT_EQ(BasicControls(basic).TimeBox->text(), QStringLiteral("30"));
    EXPECT_EQ(BasicControls(basic).WaitBox->text(), QStringLiteral("-20"));
    SoundSettingsWindow sound(Context, QString());
    sound.show();
    EXPECT_EQ(Child<QLineEdit>(sound, "rankSoundFromBox")->text(), QStringLiteral("99"));
    EffectSettingsWindow effects(Context);
    effects.show();
    EXPECT_EQ(Child<QScrollBar>(effects, "intervalBar")->value(), 50);
    EXPECT_EQ(Child<QLineEdit>(effects, "rankLimitBox")->text(), QStringLiteral("1"));
    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QString(), nullptr, std::make_unique<FakeRecorder>(recorder));
    mic.show();
    EXPECT_EQ(Child<QScrollBar>(mic, "cutLevelBar")->value(), 100);
    EXPECT_TRUE(Child<QRadioButton>(mic, "highQualityOption")->isChecked());
    for (QDialog* window : std::initializer_list<QDialog*>{&basic, &sound, &effects, &mic})
        window->close();
    EXPECT_EQ(ReadSettingsFiles(), before);

    effects.show();
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QPushButton>(effects, "registerButton")->click();
    EffectSettings expected = EffectSettings::Factory();
    expected.BlinkInterval = 50;
    expected.BlinkRankLimit = 1;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(expected)) << "registering stores what was shown";
}

TEST_F(SettingsWindows, RankValuesOnlyTheSpinnersReachSurviveRegistering)
{
    SoundSettings sound = SoundSettings::Factory(Folder.Dir.path());
    sound.RankSoundFromEntry = 1;
    Folder.Write(QStringLiteral("KANKYOU3.REC"), FileOf(sound));
    EffectSettings effect = EffectSettings::Factory();
    effect.BlinkRankLimit = 1;
    Folder.Write(QStringLiteral("KANKYOU4.REC"), FileOf(effect));
    LoadAllSettings(Context);
    const auto before = ReadSettingsFiles();

    SoundSettingsWindow soundWindow(Context, QString());
    EffectSettingsWindow effectWindow(Context);
    for (SettingsDialog* window : std::initializer_list<SettingsDialog*>{&soundWindow, &effectWindow}) {
        window->show();
        Folder.Messages.Answer(MessageAnswer::Yes);
        Child<QPushButton>(*window, "registerButton")->click();
    }
    EXPECT_EQ(ReadSettingsFiles(), before);

    soundWindow.show();
    auto* soundBar = Child<QScrollBar>(soundWindow, "rankSoundFromBar");
    soundBar->setValue(soundBar->minimum());
    EXPECT_EQ(Child<QLineEdit>(soundWindow, "rankSoundFromBox")->text(), QStringLiteral("0"));
    effectWindow.show();
    Child<QScrollBar>(effectWindow, "rankLimitBar")->setValue(1);
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QPushButton>(effectWindow, "registerButton")->click();
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(effect)) << "only rank 1 blinks";
}

TEST_F(SettingsWindows, TheSoundWindowStoresItsFileAsTheStoreWritesIt)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    auto* use4 = Child<QCheckBox>(window, "useBox4");
    use4->click();
    EXPECT_EQ(use4->text(), QStringLiteral("不使用"));
    Child<QLineEdit>(window, "soundFile1")->setText(QStringLiteral("/sounds/ブザー.wav"));
    TypeAndLeave(Child<QLineEdit>(window, "rankSoundFromBox"), QStringLiteral("42"));
    EXPECT_EQ(Child<QScrollBar>(window, "rankSoundFromBar")->value(), 42) << "a number above 20 shows on the spinner";
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QPushButton>(window, "registerButton")->click();
    SoundSettings expected = SoundSettings::Factory(Folder.Dir.path());
    expected.SoundEnabled[4] = false;
    expected.SoundFile[1] = QStringLiteral("/sounds/ブザー.wav");
    expected.RankSoundFromEntry = 42;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU3.REC")), FileOf(expected));
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed());
}

TEST_F(SettingsWindows, SelectingASlotHighlightsOnlyItsBox)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    auto* selected = Child<QLabel>(window, "selectedSlot");
    SendFocus(Child(window, "soundFile6"), QEvent::FocusIn);
    EXPECT_EQ(selected->text(), QStringLiteral("(ブービー)"));
    SendFocus(Child(window, "browseButton0"), QEvent::FocusIn);
    EXPECT_EQ(selected->text(), QStringLiteral("(スタート)"));
    for (int i = 0; i < 7; ++i) {
        const QColor base = Child(window, QStringLiteral("soundFile%1").arg(i))->palette().color(QPalette::Base);
        EXPECT_EQ(base == QColor(192, 255, 192), i == 0) << i;
    }
}

TEST_F(SettingsWindows, TheFileChooserTakesAPathIntoTheWindowOnlyAndAlwaysRestoresTheFolder)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    auto* file3 = Child<QLineEdit>(window, "soundFile3");
    auto* browse3 = Child<QPushButton>(window, "browseButton3");
    const QString factoryPath = file3->text();
    QString preset;
    window.SetChoosers({.ChooseFile = [&preset](const QString& current, const QString&, const QString&, QWidget*) {
        preset = current;
        QDir::setCurrent(QDir::rootPath());
        return std::optional<QString>();
    }});
    browse3->click();
    EXPECT_EQ(preset, factoryPath);
    EXPECT_EQ(file3->text(), factoryPath);

    const QByteArray fileBefore = Folder.Read(QStringLiteral("KANKYOU3.REC"));
    window.SetChoosers({.ChooseFile = [](const QString&, const QString&, const QString&, QWidget*) {
        QDir::setCurrent(QDir::rootPath());
        return std::optional<QString>(QStringLiteral("/media/効果音/ok.WAV"));
    }});
    browse3->click();
    EXPECT_EQ(file3->text(), QStringLiteral("/media/効果音/ok.WAV"));
    EXPECT_EQ(Context.Settings.Sound.SoundFile[3], factoryPath) << "until registered";
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU3.REC")), fileBefore);

    window.SetChoosers({.ChooseFile = [](const QString&, const QString&, const QString&, QWidget*) {
        return std::optional<QString>(QStringLiteral("/media/음향/ok.wav"));
    }});
    browse3->click();
    EXPECT_EQ(file3->text(), QStringLiteral("/media/効果音/ok.WAV")) << "a path the file cannot hold is refused";
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.startsWith(QStringLiteral("「음」")));
}

TEST_F(SettingsWindows, ACharacterTheFileCannotHoldIsRefusedAsItIsTyped)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    auto* file2 = Child<QLineEdit>(window, "soundFile2");
    file2->setText(QStringLiteral("/s/v1.wav"));
    file2->setCursorPosition(3);
    TypeKeys(file2, QStringLiteral("a\"b"));
    EXPECT_EQ(file2->text(), QStringLiteral("/s/abv1.wav"));
    TypeKeys(file2, QStringLiteral("한"));
    EXPECT_EQ(file2->text(), QStringLiteral("/s/abv1.wav"));
    ASSERT_EQ(Folder.Messages.Messages.size(), 2u);
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.startsWith(QStringLiteral("「\"」")));
    Folder.Messages.Answer(MessageAnswer::Yes);
    Child<QPushButton>(window, "registerButton")->click();
    EXPECT_FALSE(window.isVisible()) << "what was typed can always be stored";
}

TEST_F(SettingsWindows, TheVolumeButtonsStartTheirOwnCommandLines)
{
    SoundSettingsWindow sound(Context, QStringLiteral("pavucontrol --tab=3"));
    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QStringLiteral("pavucontrol --tab=4"), nullptr, std::make_unique<FakeRecorder>(recorder));
    QStringList started;
    const ProgramStart record = [&started](const QString& program, const QStringList& arguments) {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return true;
    };
    sound.SetVolumeControlStart(record);
    mic.SetVolumeControlStart(record);
    sound.show();
    mic.show();
    Child<QPushButton>(sound, "volumeButton")->click();
    Child<QPushButton>(mic, "volumeButton")->click();
    EXPECT_EQ(started, (QStringList{QStringLiteral("pavucontrol --tab=3"), QStringLiteral("pavucontrol --tab=4")}));
}

TEST_F(SettingsWindows, TheBlinkTestStepsThroughColoursOneTwoZero)
{
    EffectSettingsWindow window(Context);
    window.show();
    auto* intervalBar = Child<QScrollBar>(window, "intervalBar");
    auto* testButton = Child<QPushButton>(window, "testButton");
    auto* timer = window.findChild<QTimer*>(QStringLiteral("blinkTimer"));
    ASSERT_NE(timer, nullptr);
    auto* sample = Child(window, "blinkSample");
    intervalBar->setValue(2);
    testButton->click();
    EXPECT_EQ(timer->interval(), 20);
    EXPECT_EQ(testButton->text(), QStringLiteral("STOP"));
    std::vector<int32_t> shown;
    for (int tick = 0; tick < 4; ++tick) {
        window.BlinkTick();
        shown.push_back(ToStoredColour(BackColour(sample)));
    }
    const auto& colours = EffectSettings::Factory().BlinkColor;
    EXPECT_EQ(shown, (std::vector<int32_t>{colours[1], colours[2], colours[0], colours[1]}));
    intervalBar->setValue(50);
    EXPECT_EQ(timer->interval(), 500) << "a running test changes speed at once";
    testButton->click();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(testButton->text(), QStringLiteral("テスト(&T)"));
    EXPECT_EQ(ToStoredColour(BackColour(sample)), colours[1]) << "the shape keeps its last colour";
    Child<QPushButton>(window, "factoryButton")->click();
    EXPECT_EQ(ToStoredColour(BackColour(sample)), colours[1]) << "and keeps it when the factory values come back";
}

TEST_F(SettingsWindows, TheEffectsWindowStoresColoursAndTheFactoryButtonBringsThemBack)
{
    EffectSettingsWindow window(Context);
    window.show();
    auto* registerButton = Child<QPushButton>(window, "registerButton");
    std::optional<QColor> answer = QColor(10, 20, 30);
    QColor preset;
    window.SetChoosers({.ChooseColour = [&](const QColor& initial, QWidget*) {
        preset = initial;
        return answer;
    }});
    DoubleClick(Child<ColourPatch>(window, "swatch2"));
    EXPECT_EQ(ToStoredColour(preset), EffectSettings::Factory().BlinkColor[2]);
    answer.reset();
    DoubleClick(Child<ColourPatch>(window, "swatch0"));
    Child<QRadioButton>(window, "noBlinkOption")->click();
    TypeAndLeave(Child<QLineEdit>(window, "rankLimitBox"), QStringLiteral("33"));
    Child<QScrollBar>(window, "intervalBar")->setValue(12);
    Folder.Messages.Answer(MessageAnswer::Yes);
    registerButton->click();
    EffectSettings expected = EffectSettings::Factory();
    expected.BlinkColor[2] = Rgb(10, 20, 30);
    expected.BlinkTopRanks = false;
    expected.BlinkRankLimit = 33;
    expected.BlinkInterval = 12;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(expected)) << "a cancelled choice changed nothing";
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed("登録しました！"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QString());

    window.show();
    Child<QPushButton>(window, "factoryButton")->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    registerButton->click();
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(EffectSettings::Factory()));
}
