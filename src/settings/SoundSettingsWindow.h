#pragma once

#include "platform/MultimediaPlayer.h"
#include "settings/SettingsDialog.h"
#include "settings/VolumeControl.h"

#include <array>

class NumberPair;
class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

// Sound settings: the file and the use of each of the seven sound slots, the
// entrant from whom the rank sounds play, a test play of the selected slot
// and the system's playback volume.
class SoundSettingsWindow : public SettingsDialog {
public:
    SoundSettingsWindow(ContestState& context, QString playVolumeCommand, QWidget* parent = nullptr);

    void Form_Load() override;
    void SelectSlot(int slot);
    void CK1_Click(int slot);
    void CmdSer_Click(int slot);
    void CmdTst_Click();
    void MMStop_Click();
    void CmdUpd_Click();
    void CmdVol_Click();

    std::array<QLabel*, 7> Lnm{};
    std::array<QLineEdit*, 7> sxdtxt{};
    std::array<QPushButton*, 7> CmdSer{};
    std::array<QCheckBox*, 7> CK1{};
    QLineEdit* TXT1 = nullptr;
    QScrollBar* VS1 = nullptr;
    NumberPair* RankFrom = nullptr;
    QLabel* LB1 = nullptr;
    QPushButton* CmdTst = nullptr;
    MultimediaPlayer MMControl1;
    // The player's stop button.
    QPushButton* MMStop = nullptr;
    QPushButton* CmdUpd = nullptr;
    QPushButton* CmdVol = nullptr;

    int CurrentSlot = 0;

    ProgramStart StartVolumeControl = StartDetachedProgram;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildSlots();
    void LayOut();

    QString PlayVolumeCommand;
};
