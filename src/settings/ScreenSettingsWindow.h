#pragma once

#include "settings/SettingsDialog.h"
#include "settings/YesNoPair.h"

#include <array>
#include <functional>
#include <vector>

class AudienceScreenChooser;
class ColourPatch;
class GaugeSample;
class QFrame;
class QLabel;
class QLineEdit;

// Screen settings: the colours, fonts and texts of the measurement screen
// and of the result display, its layout and its gauge, each shown at once
// on small samples of the screens. Colour, font and option choices take
// effect in the settings at once; the band texts and the file only on
// registering.
class ScreenSettingsWindow : public SettingsDialog {
public:
    explicit ScreenSettingsWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load() override;
    // Every screen setting onto the samples, text boxes and options.
    void ShowScreenSettings();
    // The samples, text boxes and options back into the screen settings.
    void CollectScreenSettings();

    void OP1_Click();
    void Op2_Click();
    void OP3_Click();
    void OP4_Click();
    void CMD01_Click();
    void CMD21_Click();
    void Cmd41_Click();
    void CMD31_Click();
    void CMD32_Click();
    void CMD33_Click();
    void CmdC1_Click();
    void CmdC2_Click();
    void CMDX_Click(int look);
    void CMDZ_Click(int look);
    void CMDF_Click();
    void CmdUpd_Click();

    // The screen samples that show a band look besides LBX1: the heading
    // LB1 and LB3, the waiting band LB2, the stopped band LB4.
    std::vector<QLabel*> SamplesOfLook(int look) const;

    QFrame* PIC1 = nullptr;
    QFrame* PIC2 = nullptr;
    QFrame* PIC3 = nullptr;
    QFrame* PIC4 = nullptr;
    QLabel* LB1 = nullptr;
    // The waiting band on the waiting screen sample.
    QLabel* LB2 = nullptr;
    QLabel* LB3 = nullptr;
    QLabel* LB4 = nullptr;
    QLabel* LB5 = nullptr;
    GaugeSample* SHP1 = nullptr;
    GaugeSample* SHP2 = nullptr;
    ColourPatch* TC1 = nullptr;
    ColourPatch* TC2 = nullptr;
    std::array<QLabel*, 5> LBX1{};
    std::array<QLineEdit*, 5> TX1{};

    QPushButton* CMD01 = nullptr;
    QPushButton* CMD21 = nullptr;
    QPushButton* Cmd41 = nullptr;
    QPushButton* CMD31 = nullptr;
    QPushButton* CMD32 = nullptr;
    QPushButton* CMD33 = nullptr;
    QPushButton* CmdC1 = nullptr;
    QPushButton* CmdC2 = nullptr;
    std::array<QPushButton*, 5> CMDX{};
    std::array<QPushButton*, 5> CMDZ{};
    QPushButton* CMDF = nullptr;
    YesNoPair ScreenMode;
    YesNoPair Indicator;
    QRadioButton* const OP1;
    QRadioButton* const Op2;
    QRadioButton* const OP3;
    QRadioButton* const OP4;
    QPushButton* CmdUpd = nullptr;

private:
    void BuildSamples();
    void BuildBandDesign();
    void BuildButtons();
    void LayOut();
    void ShowBandLook(QLabel* label, int look);
    void ApplyBandFont();
    void ChooseColour(const QColor& current, const std::function<void(const QColor&)>& take);
    void ShowBandLabels(bool visible);

    AudienceScreenChooser* audienceScreen = nullptr;
};
