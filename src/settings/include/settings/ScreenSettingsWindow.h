#pragma once

#include "settings/SettingsDialog.h"
#include "settings/YesNoPair.h"
#include "core/SettingsRecord.h"

#include <array>
#include <functional>
#include <vector>

class AudienceScreenChooser;
class ColourPatch;
class GaugeSample;
class HallSettingsGroup;
class QFrame;
class QLabel;
class QLineEdit;

// Screen settings: the colours, fonts and texts of the measurement screen
// and of the result display, its layout and its gauge, each shown at once
// on small samples of the screens. Colour, font and option choices take
// effect in the settings at once; the band texts and the file only on
// registering.
class ScreenSettingsWindow : public SettingsDialog {
    Q_OBJECT
public:
    explicit ScreenSettingsWindow(ContestSession& context, QWidget* parent = nullptr);

    void LoadOnOpen() override;

private:
    // One of the window's colours, as a field of the screen settings.
    using ColourField = std::function<int32_t&(ScreenSettings&)>;

    void BuildSamples();
    void BuildBandDesign();
    void BuildButtons();
    void LayOut();
    QPushButton* ColourButton(const char* role, const QString& caption, const QString& toolTip, ColourField field);
    // Every setting of `edited` onto the samples, the band text boxes and the options.
    void ShowScreenSettings();
    // The samples alone: colours, fonts, band captions, which labels and gauge show.
    void ShowSamples();
    void ShowBandLook(QLabel* label, int look);
    // The screen samples that show a band look besides its design label.
    std::vector<QLabel*> SamplesOfLook(int look) const;
    // A choice takes effect in the window's copy and in the settings at once.
    template <class Change>
    void Apply(Change change);
    void ChooseColour(const ColourField& field);
    void ChooseResultFont();
    void ChooseBandFont();
    void Register();

    // The settings as the window shows them; registering stores them.
    ScreenSettings edited;

    QFrame* waitingSample = nullptr;
    QFrame* measuringSample = nullptr;
    QFrame* stoppedSample = nullptr;
    QFrame* resultSample = nullptr;
    QLabel* waitingHeading = nullptr;
    QLabel* waitingBand = nullptr;
    QLabel* stoppedHeading = nullptr;
    QLabel* stoppedBand = nullptr;
    QLabel* resultText = nullptr;
    GaugeSample* barGauge = nullptr;
    GaugeSample* circleGauge = nullptr;
    ColourPatch* readyBlinkBack = nullptr;
    ColourPatch* readyBlinkBand = nullptr;
    std::array<QLabel*, BandLookCount> bandLooks{};
    std::array<QLineEdit*, BandLookCount> bandTexts{};

    QPushButton* waitingBackButton = nullptr;
    QPushButton* measuringBackButton = nullptr;
    QPushButton* stoppedBackButton = nullptr;
    QPushButton* resultBackButton = nullptr;
    QPushButton* resultForeButton = nullptr;
    QPushButton* resultFontButton = nullptr;
    QPushButton* readyBlinkBackButton = nullptr;
    QPushButton* readyBlinkBandButton = nullptr;
    std::array<QPushButton*, BandLookCount> bandBackButtons{};
    std::array<QPushButton*, BandLookCount> bandForeButtons{};
    QPushButton* bandFontButton = nullptr;
    YesNoPair screenMode;
    YesNoPair indicator;
    QPushButton* registerButton = nullptr;
    AudienceScreenChooser* audienceScreen = nullptr;
    HallSettingsGroup* hallGroup = nullptr;
};
