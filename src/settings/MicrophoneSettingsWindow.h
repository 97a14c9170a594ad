#pragma once

#include "measure/MciCommands.h"
#include "platform/MciDevice.h"
#include "settings/SettingsDialog.h"
#include "settings/VolumeControl.h"

#include <array>
#include <memory>

class AudioInputChooser;
class LevelBar;
class PictureBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QTimer;
class SoundRecorder;

// Microphone settings: the recording quality and the noise cut level, the
// system's recording volume, and a test recording of three seconds that
// shows its header, its waveform against the cut band and its scores.
class MicrophoneSettingsWindow : public SettingsDialog {
public:
    // Records from the microphone unless another recorder is given.
    MicrophoneSettingsWindow(ContestState& context, QString recVolumeCommand, QWidget* parent = nullptr,
            std::unique_ptr<SoundRecorder> recorder = {});

    void Form_Load() override;
    void OP1_Click(int index);
    void HS1_Change();
    void CmdSTR_Click();
    void CmdStp_Click();
    void Timer1_Timer();
    void CmdUpd_Click();
    void CmdVol_Click();
    void LevelTimer_Timer();

    // Reads and scores the test recording; on a recording of the wrong size
    // it reports the mismatch and scores nothing.
    void TestAnalysis();

    QListWidget* List1 = nullptr;
    QGroupBox* FRM1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QRadioButton*, 3> OP1{};
    QScrollBar* HS1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* LB6 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LB3 = nullptr;
    PictureBox* PC1 = nullptr;
    // The input level while the test records.
    LevelBar* LVL1 = nullptr;
    QLabel* LBX2 = nullptr;
    QLabel* LBX8 = nullptr;
    QLabel* SP1 = nullptr;
    QLabel* LB101 = nullptr;
    QLabel* LB102 = nullptr;
    QLabel* LB103 = nullptr;
    QLabel* LBMSG = nullptr;
    QPushButton* CmdSTR = nullptr;
    QPushButton* CmdStp = nullptr;
    QPushButton* CmdUpd = nullptr;
    QPushButton* CmdVol = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* LevelTimer = nullptr;

    bool Testing = false;
    bool StopRequested = false;
    int TickCount = 0;
    int AfterTest = 0;
    int ExpectedBytes = 0;
    int DataBytes = 0;

    ProgramStart StartVolumeControl = StartDetachedProgram;

protected:
    bool MayClose() override;

private:
    void BuildControls();
    void LayOut();
    void ResetPicture();
    void DrawBand();
    void SetLamp(bool recording);
    void StopDevice();
    void WaitForDeviceToFinish();
    void ReturnToIdle();
    void DrawAnalysedRecording(const QByteArray& data);
    int SelectedQuality() const;

    QString RecVolumeCommand;
    SoundRecorder* Recorder;
    AudioInputChooser* inputChooser = nullptr;
    MciDevice Device;
    MciCommands Commands;
    bool Locked = false;
};
