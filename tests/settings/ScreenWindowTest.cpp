// The screen settings window: its samples follow each choice, and what is
// registered is what the samples show.
#include "SettingsWindowTest.h"

#include "widgets/StoredColour.h"
#include "settings/SampleWidgets.h"
#include "settings/ScreenSettingsWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class ScreenWindow : public SettingsWindowTest {
protected:
    void SetUp() override
    {
        SettingsWindowTest::SetUp();
        Window = std::make_unique<ScreenSettingsWindow>(Context);
        Window->SetChoosers({.ChooseColour =
                                 [this](const QColor& initial, QWidget*) {
                                     Presets.push_back(initial);
                                     return ColourAnswer;
                                 },
                             .ChooseFont =
                                 [this](const QFont& initial, QWidget*) {
                                     FontPresets.push_back(initial);
                                     return FontAnswer;
                                 }});
        Window->show();
    }

    template <class Control = QWidget>
    Control* Get(const char* role) const
    {
        return Child<Control>(*Window, QLatin1String(role));
    }

    void Register()
    {
        Folder.Messages.Answer(MessageAnswer::Yes);
        Get<QPushButton>("registerButton")->click();
    }

    std::unique_ptr<ScreenSettingsWindow> Window;
    std::optional<QColor> ColourAnswer;
    std::optional<QFont> FontAnswer;
    std::vector<QColor> Presets;
    std::vector<QFont> FontPresets;
};

}

TEST_F(ScreenWindow, ABandColourChangesEverySampleOfItsLookAndNoOther)
{
    const auto backs = [this] {
        std::vector<QColor> colours;
        for (const char* label : {"bandLook0", "bandLook1", "bandLook2", "bandLook3", "bandLook4", "waitingHeading", "waitingBand",
                                  "stoppedHeading", "stoppedBand"})
            colours.push_back(BackColour(Get(label)));
        return colours;
    };
    const std::vector<QColor> before = backs();
    const QColor pink(255, 128, 192);
    ColourAnswer = pink;
    Get<QPushButton>("bandBackButton0")->click();
    std::vector<QColor> expected = before;
    expected[0] = expected[5] = expected[7] = pink;
    EXPECT_EQ(backs(), expected) << "look 0: its design label and both headings together";
    Get<QPushButton>("bandBackButton2")->click();
    expected[2] = pink;
    EXPECT_EQ(backs(), expected) << "look 2 is on no screen sample";
    Get<QPushButton>("bandForeButton4")->click();
    EXPECT_EQ(TextColour(Get<QLabel>("stoppedBand")), pink);
    EXPECT_EQ(TextColour(Get<QLabel>("bandLook4")), pink);
    EXPECT_EQ(Context.Settings.Screen.BandForeColor[4], ScreenSettings::Factory().BandForeColor[4]) << "until registered";
    EXPECT_EQ(Presets.front(), FromStoredColour(ScreenSettings::Factory().BandBackColor[0]));

    ColourAnswer.reset();
    Get<QPushButton>("waitingBackButton")->click();
    Get<QPushButton>("bandBackButton1")->click();
    EXPECT_EQ(BackColour(Get("waitingSample")), FromStoredColour(ScreenSettings::Factory().WaitingBackColor)) << "cancel changes nothing";
    EXPECT_EQ(BackColour(Get<QLabel>("waitingBand")), before[6]);
}

TEST_F(ScreenWindow, TheResultColourDialogStartsFromTheLastChoice)
{
    ColourAnswer = QColor(1, 2, 3);
    Get<QPushButton>("resultForeButton")->click();
    Get<QPushButton>("resultForeButton")->click();
    ASSERT_EQ(Presets.size(), 2u);
    EXPECT_EQ(Presets[1], QColor(1, 2, 3));
}

TEST_F(ScreenWindow, OptionsShowOnlyTheSamplesOfTheirLayoutAndGauge)
{
    EXPECT_TRUE(Get<QRadioButton>("headedLayoutOption")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("circleGaugeOption")->isChecked());
    EXPECT_TRUE(Get("barGauge")->isHidden());
    EXPECT_FALSE(Get("circleGauge")->isHidden());
    Get<QRadioButton>("fullLayoutOption")->click();
    Get<QRadioButton>("barGaugeOption")->click();
    for (const char* band : {"waitingHeading", "waitingBand", "stoppedHeading", "stoppedBand"})
        EXPECT_TRUE(Get(band)->isHidden()) << band;
    EXPECT_FALSE(Get("barGauge")->isHidden());
    EXPECT_TRUE(Get("circleGauge")->isHidden());
    Register();
    Window->show();
    EXPECT_TRUE(Get<QRadioButton>("fullLayoutOption")->isChecked() && Get<QRadioButton>("barGaugeOption")->isChecked()) << "reopened from the file";
    EXPECT_TRUE(Get<QLabel>("waitingHeading")->isHidden());
    Get<QRadioButton>("headedLayoutOption")->click();
    EXPECT_FALSE(Get<QLabel>("waitingHeading")->isHidden());
}

TEST_F(ScreenWindow, RegisteringStoresTextsFontsAndColoursAsTheStoreWritesThem)
{
    Get<QLineEdit>("bandText3")->setText(QString());
    Get<QLineEdit>("bandText1")->setText(QStringLiteral("つぎのかた"));
    QFont heading(QStringLiteral("IPAPMincho"));
    heading.setBold(true);
    heading.setItalic(true);
    FontAnswer = heading;
    Get<QPushButton>("resultFontButton")->click();
    EXPECT_TRUE(Get<QLabel>("resultText")->font().bold() && Get<QLabel>("resultText")->font().italic());
    ColourAnswer = QColor(0, 64, 0);
    Get<QPushButton>("readyBlinkBandButton")->click();
    Register();

    ScreenSettings expected = ScreenSettings::Factory();
    expected.BandText[3] = QString();
    expected.BandText[1] = QStringLiteral("つぎのかた");
    expected.ResultFontName = QStringLiteral("IPAPMincho");
    expected.ResultFontBold = expected.ResultFontItalic = QStringLiteral("True");
    expected.ReadyBlinkBandColor = Rgb(0, 64, 0);
    const QByteArray file = Folder.Read(QStringLiteral("KANKYOU2.REC"));
    EXPECT_EQ(file, FileOf(expected));
    EXPECT_EQ(file.split('\n')[24], QByteArray("\"\"\r")) << "an empty band text is an empty quoted line";
    EXPECT_EQ(Folder.Messages.Texts(), AskedAndConfirmed());

    Window->show();
    EXPECT_TRUE(Get<QLabel>("resultText")->font().bold() && Get<QLabel>("resultText")->font().italic());
    EXPECT_EQ(Get<QLabel>("bandLook1")->text(), QStringLiteral("つぎのかた"));
}

TEST_F(ScreenWindow, TheBandFontGoesToEveryBandSampleAndAForeignNameIsRefused)
{
    QFont band(QStringLiteral("IPAGothic"));
    band.setBold(true);
    FontAnswer = band;
    Get<QPushButton>("bandFontButton")->click();
    for (const char* role : {"waitingHeading", "waitingBand", "stoppedHeading", "stoppedBand", "bandLook0", "bandLook4"}) {
        const QWidget* label = Get(role);
        EXPECT_EQ(label->font().family(), QStringLiteral("IPAGothic"));
        EXPECT_TRUE(label->font().bold());
    }
    FontAnswer = QFont(QStringLiteral("나눔고딕"));
    Get<QPushButton>("bandFontButton")->click();
    EXPECT_EQ(Get("bandLook0")->font().family(), QStringLiteral("IPAGothic"));
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
}

TEST_F(ScreenWindow, ABandTextRefusesAQuoteAsItIsTyped)
{
    Get<QLineEdit>("bandText0")->setCursorPosition(Get<QLineEdit>("bandText0")->text().size());
    TypeKeys(Get<QLineEdit>("bandText0"), QStringLiteral("\"!"));
    EXPECT_EQ(Get<QLineEdit>("bandText0")->text(), QStringLiteral("おおごえ大会!"));
    EXPECT_EQ(Folder.Messages.Messages.size(), 1u);
}

TEST_F(ScreenWindow, EachColourButtonEditsItsOwnSettingAndSample)
{
    struct Case {
        const char* Button;
        const char* Sample;
        bool Text;
        int32_t ScreenSettings::*Field;
    };
    const std::vector<Case> cases{{"waitingBackButton", "waitingSample", false, &ScreenSettings::WaitingBackColor},
                                  {"measuringBackButton", "measuringSample", false, &ScreenSettings::MeasuringBackColor},
                                  {"stoppedBackButton", "stoppedSample", false, &ScreenSettings::StoppedBackColor},
                                  {"resultBackButton", "resultSample", false, &ScreenSettings::ResultBackColor},
                                  {"resultForeButton", "resultText", true, &ScreenSettings::ResultForeColor},
                                  {"readyBlinkBackButton", "readyBlinkBack", false, &ScreenSettings::ReadyBlinkBackColor},
                                  {"readyBlinkBandButton", "readyBlinkBand", false, &ScreenSettings::ReadyBlinkBandColor}};
    ScreenSettings expected = ScreenSettings::Factory();
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const QColor colour(10 * int(i) + 5, 200, 7);
        ColourAnswer = colour;
        Get<QPushButton>(c.Button)->click();
        EXPECT_EQ(Presets.back(), FromStoredColour(expected.*c.Field)) << c.Button;
        expected.*c.Field = ToStoredColour(colour);
        EXPECT_EQ(c.Text ? TextColour(Get(c.Sample)) : BackColour(Get(c.Sample)), colour) << c.Button;
    }
    EXPECT_EQ(Context.Settings.Screen, ScreenSettings::Factory()) << "until registered";
    Register();
    EXPECT_EQ(Folder.Read(QStringLiteral("KANKYOU2.REC")), FileOf(expected));
    EXPECT_EQ(Context.Settings.Screen, expected);
}
