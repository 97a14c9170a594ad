#pragma once

#include "settings/SettingsDialog.h"
#include "core/SettingsRecord.h"
#include "settings/YesNoPair.h"

#include <array>

class ColourPatch;
class NumberPair;
class QLabel;
class QScrollBar;
class QTimer;

// Special effects: whether and down to which rank the result display blinks,
// how fast, and the three colours it cycles through; a test shows the
// blinking and a button brings back the factory values.
class EffectSettingsWindow : public SettingsDialog {
    Q_OBJECT
public:
    explicit EffectSettingsWindow(ContestSession& context, QWidget* parent = nullptr);

    void LoadOnOpen() override;
    // One step of the blink test: the next of the three colours.
    void BlinkTick();

protected:
    void done(int result) override;

private:
    void LayOut();
    // Fills the controls from the effect settings.
    void ShowEffectSettings();
    void ShowInterval();
    void ChooseColour(int index);
    void ToggleTest();
    void StopTest();
    void ShowFactoryValues();
    void Register();

    YesNoPair blinkTopRanks;
    NumberPair* rankLimit = nullptr;
    QScrollBar* intervalBar = nullptr;
    QLabel* intervalText = nullptr;
    std::array<ColourPatch*, 3> swatches{};
    ColourPatch* blinkSample = nullptr;
    QTimer* blinkTimer = nullptr;
    QPushButton* registerButton = nullptr;
    QPushButton* factoryButton = nullptr;
    QPushButton* testButton = nullptr;

    // The values shown, which reach the settings only when registered.
    EffectSettings Edited;
    bool testRunning = false;
    int blinkStep = 0;
};
