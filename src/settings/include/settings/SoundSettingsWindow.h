#pragma once

#include "audio/MultimediaPlayer.h"
#include "settings/SettingsDialog.h"
#include "settings/VolumeControl.h"

#include <array>

class NumberPair;
class QCheckBox;
class QLabel;
class QLineEdit;

// Sound settings: the file and the use of each of the seven sound slots, the
// entrant from whom the rank sounds play, a test play of the selected slot
// and the system's playback volume.
class SoundSettingsWindow : public SettingsDialog {
    Q_OBJECT
public:
    SoundSettingsWindow(ContestSession& context, QString playVolumeCommand, QWidget* parent = nullptr);

    void LoadOnOpen() override;
    // The player of the test sound.
    const MultimediaPlayer& Player() const { return player; }

    // How the playback volume control is started; a test records instead.
    void SetVolumeControlStart(ProgramStart start) { StartVolumeControl = std::move(start); }

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildSlots();
    void LayOut();
    void SelectSlot(int slot);
    void ChooseFile(int slot);
    void ShowUse(int slot);
    void PlayTest();
    void StopTest();
    void Register();

    std::array<QLabel*, 7> slotNames{};
    std::array<QLineEdit*, 7> soundFiles{};
    std::array<QPushButton*, 7> browseButtons{};
    std::array<QCheckBox*, 7> useBoxes{};
    NumberPair* rankSoundFrom = nullptr;
    QLabel* selectedSlot = nullptr;
    QPushButton* testButton = nullptr;
    MultimediaPlayer player;
    QPushButton* stopButton = nullptr;
    QPushButton* registerButton = nullptr;
    QPushButton* volumeButton = nullptr;
    int currentSlot = 0;

    QString PlayVolumeCommand;
    ProgramStart StartVolumeControl = StartDetachedProgram;
};
