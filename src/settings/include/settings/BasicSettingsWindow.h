#pragma once

#include "settings/SettingsDialog.h"
#include "settings/YesNoPair.h"

class NumberPair;
class QLabel;

// Basic settings: the measurement time, the start wait and the five yes/no
// choices of a measurement. The measurement time is locked while the
// contest has entrants.
class BasicSettingsWindow : public SettingsDialog {
    Q_OBJECT
public:
    explicit BasicSettingsWindow(ContestSession& context, QWidget* parent = nullptr);

    void LoadOnOpen() override;

private:
    void LayOut();
    void Register();
    // The warning for a start wait below zero.
    void WarnNegativeStartWait(int tenths);

    NumberPair* measureTime = nullptr;
    NumberPair* startWait = nullptr;
    YesNoPair sound;
    YesNoPair pauseAtStop;
    YesNoPair printAtOnce;
    YesNoPair waveform;
    YesNoPair waveformColours;
    QLabel* lockMessage = nullptr;
    QPushButton* registerButton = nullptr;
    bool locked = false;
};
