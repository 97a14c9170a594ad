// The screen settings window: its samples follow each choice, and what is
// registered is what the samples show.
#include "SettingsWindowTest.h"

#include "platform/StoredColour.h"
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
        Window->Choosers.ChooseColour = [this](const QColor& initial, QWidget*) {
            Presets.push_back(initial);
            return ColourAnswer;
        };
        Window->Choosers.ChooseFont = [this](const QFont& initial, QWidget*) {
            FontPresets.push_back(initial);
            return FontAnswer;
        };
        Window->show();
    }

    void Register()
    {
        Folder.Messages.Answer(MessageAnswer::Yes);
        Window->CmdUpd->click();
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
        for (QLabel* label : {Window->LBX1[0], Window->LBX1[1], Window->LBX1[2], Window->LBX1[3], Window->LBX1[4], Window->LB1,
                              Window->LB2, Window->LB3, Window->LB4})
            colours.push_back(BackColour(label));
        return colours;
    };
    const std::vector<QColor> before = backs();
    const QColor pink(255, 128, 192);
    ColourAnswer = pink;
    Window->CMDX[0]->click();
    std::vector<QColor> expected = before;
    expected[0] = expected[5] = expected[7] = pink;
    EXPECT_EQ(backs(), expected) << "look 0: LBX1(0), LB1 and LB3 together";
    Window->CMDX[2]->click();
    expected[2] = pink;
    EXPECT_EQ(backs(), expected) << "look 2 is on no screen sample";
    Window->CMDZ[4]->click();
    EXPECT_EQ(TextColour(Window->LB4), pink);
    EXPECT_EQ(TextColour(Window->LBX1[4]), pink);
    EXPECT_EQ(Context.Settings.Screen.BandForeColor[4], ToStoredColour(pink)) << "in the settings at once";
    EXPECT_EQ(Presets.front(), FromStoredColour(ScreenSettings::Factory().BandBackColor[0]));

    ColourAnswer.reset();
    Window->CMD01->click();
    Window->CMDX[1]->click();
    EXPECT_EQ(BackColour(Window->PIC1), FromStoredColour(ScreenSettings::Factory().WaitingBackColor)) << "cancel changes nothing";
    EXPECT_EQ(BackColour(Window->LB2), before[6]);
}

TEST_F(ScreenWindow, TheResultColourDialogStartsFromTheLastChoice)
{
    ColourAnswer = QColor(1, 2, 3);
    Window->CMD32->click();
    Window->CMD32->click();
    ASSERT_EQ(Presets.size(), 2u);
    EXPECT_EQ(Presets[1], QColor(1, 2, 3));
}

TEST_F(ScreenWindow, OptionsShowOnlyTheSamplesOfTheirLayoutAndGauge)
{
    EXPECT_TRUE(Window->Op2->isChecked());
    EXPECT_TRUE(Window->OP4->isChecked());
    EXPECT_TRUE(Window->SHP1->isHidden());
    EXPECT_FALSE(Window->SHP2->isHidden());
    Window->OP1->click();
    Window->OP3->click();
    for (QLabel* band : {Window->LB1, Window->LB2, Window->LB3, Window->LB4})
        EXPECT_TRUE(band->isHidden());
    EXPECT_FALSE(Window->SHP1->isHidden());
    EXPECT_TRUE(Window->SHP2->isHidden());
    Register();
    Window->show();
    EXPECT_TRUE(Window->OP1->isChecked() && Window->OP3->isChecked()) << "reopened from the file";
    EXPECT_TRUE(Window->LB1->isHidden());
    Window->Op2->click();
    EXPECT_FALSE(Window->LB1->isHidden());
}

TEST_F(ScreenWindow, RegisteringStoresTextsFontsAndColoursAsTheStoreWritesThem)
{
    Window->TX1[3]->setText(QString());
    Window->TX1[1]->setText(QStringLiteral("つぎのかた"));
    QFont heading(QStringLiteral("IPAPMincho"));
    heading.setBold(true);
    heading.setItalic(true);
    FontAnswer = heading;
    Window->CMD33->click();
    EXPECT_TRUE(Window->LB5->font().bold() && Window->LB5->font().italic());
    ColourAnswer = QColor(0, 64, 0);
    Window->CmdC2->click();
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
    EXPECT_TRUE(Window->LB5->font().bold() && Window->LB5->font().italic());
    EXPECT_EQ(Window->LBX1[1]->text(), QStringLiteral("つぎのかた"));
}

TEST_F(ScreenWindow, TheBandFontGoesToEveryBandSampleAndAForeignNameIsRefused)
{
    QFont band(QStringLiteral("IPAGothic"));
    band.setBold(true);
    FontAnswer = band;
    Window->CMDF->click();
    for (QLabel* label : {Window->LB1, Window->LB2, Window->LB3, Window->LB4, Window->LBX1[0], Window->LBX1[4]}) {
        EXPECT_EQ(label->font().family(), QStringLiteral("IPAGothic"));
        EXPECT_TRUE(label->font().bold());
    }
    EXPECT_EQ(Context.Settings.Screen.BandFontBold, QStringLiteral("True"));
    FontAnswer = QFont(QStringLiteral("나눔고딕"));
    Window->CMDF->click();
    EXPECT_EQ(Context.Settings.Screen.BandFontName, QStringLiteral("IPAGothic"));
    ASSERT_EQ(Folder.Messages.Messages.size(), 1u);
    EXPECT_EQ(Folder.Messages.Messages[0].Icon, MessageIcon::Warning);
}

TEST_F(ScreenWindow, ABandTextRefusesAQuoteAsItIsTyped)
{
    Window->TX1[0]->setCursorPosition(Window->TX1[0]->text().size());
    TypeKeys(Window->TX1[0], QStringLiteral("\"!"));
    EXPECT_EQ(Window->TX1[0]->text(), QStringLiteral("おおごえ大会!"));
    EXPECT_EQ(Folder.Messages.Messages.size(), 1u);
}
