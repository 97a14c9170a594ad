// What the five settings windows share, and the basic, sound and special
// effects windows.
#include "SettingsWindowTest.h"

#include "platform/StoredColour.h"
#include "settings/EffectSettingsWindow.h"
#include "settings/MicrophoneSettingsWindow.h"
#include "settings/NumberPair.h"
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
        std::vector<Opened> windows;
        auto basic = std::make_unique<BasicSettingsWindow>(Context);
        QPushButton* basicButton = basic->CmdUpd;
        windows.push_back({std::move(basic), basicButton});
        auto screen = std::make_unique<ScreenSettingsWindow>(Context);
        QPushButton* screenButton = screen->CmdUpd;
        windows.push_back({std::move(screen), screenButton});
        auto sound = std::make_unique<SoundSettingsWindow>(Context, QString());
        QPushButton* soundButton = sound->CmdUpd;
        windows.push_back({std::move(sound), soundButton});
        auto effects = std::make_unique<EffectSettingsWindow>(Context);
        QPushButton* effectsButton = effects->CmdUpdate;
        windows.push_back({std::move(effects), effectsButton});
        auto mic = std::make_unique<MicrophoneSettingsWindow>(Context, QString(), nullptr, std::make_unique<FakeRecorder>(Recorder));
        QPushButton* micButton = mic->CmdUpd;
        windows.push_back({std::move(mic), micButton});
        for (Opened& opened : windows)
            opened.Window->show();
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
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUpdate->click();
    EXPECT_EQ(Folder.Messages.Texts(),
              (std::vector<QString>{QStringLiteral("設定を登録しますか？"), QStringLiteral("管理データの書き込みができません！")}));
    EXPECT_TRUE(window.isVisible());
    Folder.Messages.Answer(MessageAnswer::No);
    window.CmdUpdate->click();
    EXPECT_TRUE(window.isVisible()) << "No leaves the window as it was";
}

TEST_F(SettingsWindows, TheBasicWindowStoresItsFileAsTheStoreWritesIt)
{
    BasicSettingsWindow window(Context);
    window.show();
    SendFocus(window.TS1, QEvent::FocusIn);
    window.TS1->setText(QStringLiteral("12"));
    SendFocus(window.TS1, QEvent::FocusOut);
    window.VS1->setValue(7);
    window.OP12->click();
    window.OP61->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUpd->click();
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
    const auto typeAndLeave = [&window](const QString& text) {
        SendFocus(window.TS1, QEvent::FocusIn);
        window.TS1->setText(text);
        SendFocus(window.TS1, QEvent::FocusOut);
    };
    typeAndLeave(QStringLiteral("31"));
    EXPECT_EQ(window.TS1->text(), QStringLiteral("3"));
    EXPECT_EQ(window.HS1->value(), 3);
    typeAndLeave(QStringLiteral("30"));
    EXPECT_EQ(window.HS1->value(), window.HS1->maximum());
    typeAndLeave(QStringLiteral("2.5"));
    EXPECT_EQ(window.HS1->value(), 2);
    EXPECT_EQ(window.TS1->text(), QStringLiteral("2")) << "the box shows what will be stored";
    typeAndLeave(QStringLiteral("3.5"));
    EXPECT_EQ(window.HS1->value(), 4);
    window.HS1->setValue(17);
    EXPECT_EQ(window.TS1->text(), QStringLiteral("17"));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
}

TEST_F(SettingsWindows, TheStartWaitRestoresBelowMinusTwentyAndWarnsBelowZero)
{
    BasicSettingsWindow window(Context);
    window.show();
    const auto typeAndLeave = [&window](const QString& text) {
        SendFocus(window.TXT1, QEvent::FocusIn);
        window.TXT1->setText(text);
        SendFocus(window.TXT1, QEvent::FocusOut);
    };
    typeAndLeave(QStringLiteral("-21"));
    EXPECT_EQ(window.TXT1->text(), QStringLiteral("0"));
    EXPECT_TRUE(Folder.Messages.Messages.empty());
    typeAndLeave(QStringLiteral("-20"));
    EXPECT_EQ(window.VS1->value(), window.VS1->minimum());
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Text,
              QStringLiteral("マイナスを設定する場合は注意！\nヘルプのスタートウェイトについてを参照してください。"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QStringLiteral("注意事項"));
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    SendFocus(window.VS1, QEvent::FocusOut);
    EXPECT_EQ(Folder.Messages.Messages.size(), 2u) << "leaving the spinner below zero warns as well";
    window.VS1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window.TXT1->text(), QStringLiteral("-20")) << "the upper arrow shortens the wait, down to its top";
}

TEST_F(SettingsWindows, TypingAtTheStartReplacesTheTextAndEnterChangesNothing)
{
    BasicSettingsWindow window(Context);
    window.show();
    SendFocus(window.TS1, QEvent::FocusIn);
    window.TS1->setCursorPosition(0);
    TypeKeys(window.TS1, QStringLiteral("25"));
    EXPECT_EQ(window.TS1->text(), QStringLiteral("25"));
    PressKey(window.TS1, Qt::Key_Return);
    PressKey(&window, Qt::Key_Return);
    EXPECT_EQ(window.TS1->text(), QStringLiteral("25"));
    EXPECT_EQ(window.TS1->cursorPosition(), 2);
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
    EXPECT_FALSE(basic.TS1->isEnabled() || basic.HS1->isEnabled());
    EXPECT_EQ(basic.LBMSG->text(), QStringLiteral("プレイ中は計測時間の変更はできません。"));
    EXPECT_TRUE(basic.LBMSG->isVisible());
    EXPECT_EQ(Context.Contest.EntryNo, 2);
    basic.OP12->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    basic.CmdUpd->click();
    BasicSettings expected = BasicSettings::Factory();
    expected.MeasureSeconds = 45;
    expected.SoundOn = false;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU1.REC")), FileOf(expected)) << "the other six settings are registered";

    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QString(), nullptr, std::make_unique<FakeRecorder>(recorder));
    mic.show();
    EXPECT_FALSE(mic.FRM1->isEnabled() || mic.HS1->isEnabled() || mic.CmdVol->isEnabled());
    EXPECT_TRUE(mic.LBMSG->isVisible());
    EXPECT_TRUE(mic.CmdSTR->isEnabled()) << "a test is still possible";

    QFile::remove(Folder.Path(QStringLiteral("loudlog.dat")));
    mic.close();
    basic.show();
    mic.show();
    EXPECT_TRUE(basic.TS1->isEnabled() && mic.HS1->isEnabled() && mic.CmdVol->isEnabled()) << "each opening looks again";
    EXPECT_FALSE(basic.LBMSG->isVisible() || mic.LBMSG->isVisible());
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
    const auto before = ReadSettingsFiles();

    BasicSettingsWindow basic(Context);
    basic.show();
    EXPECT_EQ(basic.TS1->text(), QStringLiteral("30"));
    EXPECT_EQ(basic.TXT1->text(), QStringLiteral("-20"));
    SoundSettingsWindow sound(Context, QString());
    sound.show();
    EXPECT_EQ(sound.TXT1->text(), QStringLiteral("99"));
    EffectSettingsWindow effects(Context);
    effects.show();
    EXPECT_EQ(effects.VS1->value(), 50);
    EXPECT_EQ(effects.TXT1->text(), QStringLiteral("2"));
    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QString(), nullptr, std::make_unique<FakeRecorder>(recorder));
    mic.show();
    EXPECT_EQ(mic.HS1->value(), 100);
    EXPECT_TRUE(mic.OP1[2]->isChecked());
    for (QDialog* window : std::initializer_list<QDialog*>{&basic, &sound, &effects, &mic})
        window->close();
    EXPECT_EQ(ReadSettingsFiles(), before);

    effects.show();
    Folder.Messages.Answer(MessageAnswer::Yes);
    effects.CmdUpdate->click();
    EffectSettings expected = EffectSettings::Factory();
    expected.BlinkInterval = 50;
    expected.BlinkRankLimit = 2;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(expected)) << "registering stores what was shown";
}

TEST_F(SettingsWindows, TheSoundWindowStoresItsFileAsTheStoreWritesIt)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    window.CK1[4]->click();
    EXPECT_EQ(window.CK1[4]->text(), QStringLiteral("不使用"));
    window.sxdtxt[1]->setText(QStringLiteral("/sounds/ブザー.wav"));
    SendFocus(window.TXT1, QEvent::FocusIn);
    window.TXT1->setText(QStringLiteral("42"));
    SendFocus(window.TXT1, QEvent::FocusOut);
    EXPECT_EQ(window.VS1->value(), 42) << "a number above 20 shows on the spinner";
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUpd->click();
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
    SendFocus(window.sxdtxt[6], QEvent::FocusIn);
    EXPECT_EQ(window.LB1->text(), QStringLiteral("(ブービー)"));
    SendFocus(window.CmdSer[0], QEvent::FocusIn);
    EXPECT_EQ(window.CurrentSlot, 0);
    EXPECT_EQ(window.LB1->text(), QStringLiteral("(スタート)"));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(window.sxdtxt[i]->palette().color(QPalette::Base) == QColor(192, 255, 192), i == 0) << i;
}

TEST_F(SettingsWindows, TheFileChooserTakesAPathIntoMemoryOnlyAndAlwaysRestoresTheFolder)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    const QString factoryPath = window.sxdtxt[3]->text();
    QString preset;
    window.Choosers.ChooseFile = [&preset](const QString& current, const QString&, const QString&, QWidget*) {
        preset = current;
        QDir::setCurrent(QDir::rootPath());
        return std::optional<QString>();
    };
    window.CmdSer_Click(3);
    EXPECT_EQ(preset, factoryPath);
    EXPECT_EQ(window.sxdtxt[3]->text(), factoryPath);
    EXPECT_EQ(QDir::current(), QDir(Folder.Dir.path()));

    const QByteArray fileBefore = Folder.Read(QStringLiteral("KANKYOU3.REC"));
    window.Choosers.ChooseFile = [](const QString&, const QString&, const QString&, QWidget*) {
        QDir::setCurrent(QDir::rootPath());
        return std::optional<QString>(QStringLiteral("/media/効果音/ok.WAV"));
    };
    window.CmdSer_Click(3);
    EXPECT_EQ(window.sxdtxt[3]->text(), QStringLiteral("/media/効果音/ok.WAV"));
    EXPECT_EQ(Context.Settings.Sound.SoundFile[3], QStringLiteral("/media/効果音/ok.WAV"));
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU3.REC")), fileBefore);
    EXPECT_EQ(QDir::current(), QDir(Folder.Dir.path()));

    window.Choosers.ChooseFile = [](const QString&, const QString&, const QString&, QWidget*) {
        return std::optional<QString>(QStringLiteral("/media/음향/ok.wav"));
    };
    window.CmdSer_Click(3);
    EXPECT_EQ(window.sxdtxt[3]->text(), QStringLiteral("/media/効果音/ok.WAV")) << "a path the file cannot hold is refused";
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.startsWith(QStringLiteral("「음」")));
}

TEST_F(SettingsWindows, ACharacterTheFileCannotHoldIsRefusedAsItIsTyped)
{
    SoundSettingsWindow window(Context, QString());
    window.show();
    window.sxdtxt[2]->setText(QStringLiteral("/s/v1.wav"));
    window.sxdtxt[2]->setCursorPosition(3);
    TypeKeys(window.sxdtxt[2], QStringLiteral("a\"b"));
    EXPECT_EQ(window.sxdtxt[2]->text(), QStringLiteral("/s/abv1.wav"));
    TypeKeys(window.sxdtxt[2], QStringLiteral("한"));
    EXPECT_EQ(window.sxdtxt[2]->text(), QStringLiteral("/s/abv1.wav"));
    ASSERT_EQ(Folder.Messages.Messages.size(), 2u);
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_TRUE(Folder.Messages.Messages[0].Text.startsWith(QStringLiteral("「\"」")));
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUpd->click();
    EXPECT_FALSE(window.isVisible()) << "what was typed can always be stored";
}

TEST_F(SettingsWindows, TheVolumeButtonsStartTheirOwnCommandLines)
{
    SoundSettingsWindow sound(Context, QStringLiteral("pavucontrol --tab=3"));
    FakeRecorder::Log recorder;
    MicrophoneSettingsWindow mic(Context, QStringLiteral("pavucontrol --tab=4"), nullptr, std::make_unique<FakeRecorder>(recorder));
    QStringList started;
    sound.StartVolumeControl = mic.StartVolumeControl = [&started](const QString& program, const QStringList& arguments) {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return true;
    };
    sound.show();
    mic.show();
    sound.CmdVol->click();
    mic.CmdVol->click();
    EXPECT_EQ(started, (QStringList{QStringLiteral("pavucontrol --tab=3"), QStringLiteral("pavucontrol --tab=4")}));
}

TEST_F(SettingsWindows, TheBlinkTestStepsThroughColoursOneTwoZero)
{
    EffectSettingsWindow window(Context);
    window.show();
    window.VS1->setValue(2);
    window.CmdTst->click();
    EXPECT_EQ(window.TMR->interval(), 20);
    EXPECT_EQ(window.CmdTst->text(), QStringLiteral("STOP"));
    std::vector<int32_t> shown;
    for (int tick = 0; tick < 4; ++tick) {
        window.TMR_Timer();
        shown.push_back(ToStoredColour(BackColour(window.Shp1)));
    }
    const auto& colours = EffectSettings::Factory().BlinkColor;
    EXPECT_EQ(shown, (std::vector<int32_t>{colours[1], colours[2], colours[0], colours[1]}));
    window.VS1->setValue(50);
    EXPECT_EQ(window.TMR->interval(), 500) << "a running test changes speed at once";
    window.CmdTst->click();
    EXPECT_FALSE(window.TMR->isActive());
    EXPECT_EQ(window.CmdTst->text(), QStringLiteral("テスト(&T)"));
    EXPECT_EQ(ToStoredColour(BackColour(window.Shp1)), colours[1]) << "the shape keeps its last colour";
}

TEST_F(SettingsWindows, TheEffectsWindowStoresColoursAndTheFactoryButtonBringsThemBack)
{
    EffectSettingsWindow window(Context);
    window.show();
    std::optional<QColor> answer = QColor(10, 20, 30);
    QColor preset;
    window.Choosers.ChooseColour = [&](const QColor& initial, QWidget*) {
        preset = initial;
        return answer;
    };
    window.BC1[2]->DblClick();
    EXPECT_EQ(ToStoredColour(preset), EffectSettings::Factory().BlinkColor[2]);
    answer.reset();
    window.BC1[0]->DblClick();
    window.OPX2->click();
    SendFocus(window.TXT1, QEvent::FocusIn);
    window.TXT1->setText(QStringLiteral("33"));
    SendFocus(window.TXT1, QEvent::FocusOut);
    window.VS1->setValue(12);
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUpdate->click();
    EffectSettings expected = EffectSettings::Factory();
    expected.BlinkColor[2] = Rgb(10, 20, 30);
    expected.BlinkTopRanks = false;
    expected.BlinkRankLimit = 33;
    expected.BlinkInterval = 12;
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(expected)) << "a cancelled choice changed nothing";
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed("登録しました！"));
    EXPECT_EQ(Folder.Messages.Messages[0].Title, QString());

    window.show();
    window.CmdUsl->click();
    Folder.Messages.Answer(MessageAnswer::Yes);
    window.CmdUpdate->click();
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU4.REC")), FileOf(EffectSettings::Factory()));
}
