#pragma once

#include "settings/SettingsDialog.h"
#include "settings/YesNoPair.h"

class NumberPair;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

// Basic settings: the measurement time, the start wait and the five yes/no
// choices of a measurement. The measurement time is locked while the
// contest has entrants.
class BasicSettingsWindow : public SettingsDialog {
public:
    explicit BasicSettingsWindow(ContestState& context, QWidget* parent = nullptr);

    void Form_Load() override;
    void CmdUpd_Click();
    // The warning for a start wait below zero.
    void WarnNegativeStartWait(int tenths);

    QLineEdit* TS1 = nullptr;
    QScrollBar* HS1 = nullptr;
    QLineEdit* TXT1 = nullptr;
    QScrollBar* VS1 = nullptr;
    NumberPair* MeasureTime = nullptr;
    NumberPair* StartWait = nullptr;
    YesNoPair FRM1;
    YesNoPair Frame1;
    YesNoPair Frame2;
    YesNoPair Frame3;
    YesNoPair Frame4;
    QRadioButton* const OP11;
    QRadioButton* const OP12;
    QRadioButton* const OP41;
    QRadioButton* const OP42;
    QRadioButton* const OP51;
    QRadioButton* const OP52;
    QRadioButton* const OP61;
    QRadioButton* const OP62;
    QRadioButton* const OP71;
    QRadioButton* const OP72;
    QLabel* LBMSG = nullptr;
    QPushButton* CmdUpd = nullptr;

private:
    void LayOut();
};
