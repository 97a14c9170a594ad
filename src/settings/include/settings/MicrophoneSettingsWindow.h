#pragma once

#include "audio/MciCommands.h"
#include "audio/RecordingSequence.h"
#include "audio/MciDevice.h"
#include "core/StepRunner.h"
#include "settings/SettingsDialog.h"
#include "settings/VolumeControl.h"
#include "core/SettingsRecord.h"

#include <array>
#include <memory>

class AudioInputChooser;
class LevelBar;
class LevelCalibrationGroup;
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
// shows its header, its waveform against the cut band and its scores; below
// them the calibration of the sound levels.
class MicrophoneSettingsWindow : public SettingsDialog {
    Q_OBJECT
public:
    // Records from the microphone unless another recorder is given; the
    // test's waits go by `clock`.
    MicrophoneSettingsWindow(ContestSession& context, QString recVolumeCommand, QWidget* parent = nullptr,
            std::unique_ptr<SoundRecorder> recorder = {}, WaitClock& clock = SystemClock());

    void LoadOnOpen() override;
    // One 100 ms tick of a running test.
    void TestTick();
    // Reads and scores the test recording; on a recording of the wrong size
    // it reports the mismatch and scores nothing.
    void TestAnalysis();

    bool Testing = false;
    bool StopRequested = false;
    int TickCount = 0;
    int AfterTest = 0;
    int ExpectedBytes = 0;
    int DataBytes = 0;

    // How the recording volume control is started; a test records instead.
    void SetVolumeControlStart(ProgramStart start) { StartVolumeControl = std::move(start); }

protected:
    bool MayClose() override;

private:
    ProgramStart StartVolumeControl = StartDetachedProgram;

    void ChangeQuality(int index);
    void ChangeCutLevel();
    void StartTest();
    void RequestStop();
    void Register();
    // The calibration of the group, when it has one; false when it could not be stored.
    bool StoreCalibration();
    void ShowInputLevel();
    void BuildControls();
    void LayOut();
    void ResetPicture();
    void DrawBand();
    void SetLamp(bool recording);
    bool StopDevice();
    // Takes the steps of a recording sequence here and tells their failures;
    // true when they went through.
    bool Went(const std::function<std::vector<PacedStep>(AudioStep&)>& sequence);
    // The end of a test after its last tick, as one run: awaiting the
    // device, stopping it and scoring the recording.
    void FinishTest();
    bool WaitForDeviceToFinish();
    bool StopRecording();
    void ReturnToIdle();
    void DrawAnalysedRecording(const QByteArray& data);
    RecordingQuality SelectedQuality() const;

    QString RecVolumeCommand;
    SoundRecorder* Recorder;
    AudioInputChooser* inputChooser = nullptr;
    LevelCalibrationGroup* levelGroup = nullptr;
    MciDevice Device;
    MciCommands Commands;
    StepRunner TestRun;
    RecordingSequence Sequence;
    bool Locked = false;
    // The settings as stored; registering keeps them while the contest locks.
    MicSettings Stored;

    QListWidget* headerList = nullptr;
    QGroupBox* qualityFrame = nullptr;
    QLabel* qualityCaption = nullptr;
    std::array<QRadioButton*, 3> qualityOptions{};
    QScrollBar* cutLevelBar = nullptr;
    QLabel* cutLevelCaption = nullptr;
    QLabel* lowCaption = nullptr;
    QLabel* highCaption = nullptr;
    QLabel* cutLevelText = nullptr;
    QLabel* durationCaption = nullptr;
    QLabel* testDuration = nullptr;
    PictureBox* picture = nullptr;
    // The input level while the test records.
    LevelBar* inputLevel = nullptr;
    QLabel* pictureHint = nullptr;
    QLabel* stateText = nullptr;
    QLabel* recordingLamp = nullptr;
    QLabel* totalScore = nullptr;
    QLabel* maxScore = nullptr;
    QLabel* integratedScore = nullptr;
    QLabel* lockMessage = nullptr;
    QPushButton* testButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* registerButton = nullptr;
    QPushButton* volumeButton = nullptr;
    QTimer* testTimer = nullptr;
    QTimer* levelTimer = nullptr;
};
