#pragma once

#include "settings/SettingsDialog.h"
#include "settings/YesNoPair.h"

#include <array>

class ColourPatch;
class NumberPair;
class QLabel;
class QLineEdit;
class QScrollBar;
class QTimer;

// Special effects: whether and down to which rank the result display blinks,
// how fast, and the three colours it cycles through; a test shows the
// blinking and a button brings back the factory values.
class EffectSettingsWindow : public SettingsDialog {
public:
    explicit EffectSettingsWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load() override;
    // Fills the controls from the effect settings.
    void DL_DATA();
    void OPX1_Click();
    void OPX2_Click();
    void VscW_Change(int value);
    void VS1_Change();
    void BC1_DblClick(int index);
    void CmdTst_Click();
    void TMR_Timer();
    void CmdUsl_Click();
    void CmdUpdate_Click();

    YesNoPair FRMSTP1;
    QRadioButton* const OPX1;
    QRadioButton* const OPX2;
    QLineEdit* TXT1 = nullptr;
    QScrollBar* VscW = nullptr;
    NumberPair* RankLimit = nullptr;
    QScrollBar* VS1 = nullptr;
    QLabel* LBT = nullptr;
    std::array<ColourPatch*, 3> BC1{};
    ColourPatch* Shp1 = nullptr;
    QTimer* TMR = nullptr;
    QPushButton* CmdUpdate = nullptr;
    QPushButton* CmdUsl = nullptr;
    QPushButton* CmdTst = nullptr;

    bool TestRunning = false;
    int BlinkStep = 0;

protected:
    void done(int result) override;

private:
    void LayOut();
    void StopTest();
};
