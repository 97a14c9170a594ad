#pragma once

#include "core/SettingsRecord.h"
#include "core/WaitClock.h"
#include "settings/MicrophoneTestRun.h"
#include "settings/SettingsDialog.h"
#include "settings/VolumeControl.h"

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

    // How the recording volume control is started; a test records instead.
    void SetVolumeControlStart(ProgramStart start) { StartVolumeControl = std::move(start); }

protected:
    bool MayClose() override;
    void done(int result) override;

private:
    ProgramStart StartVolumeControl = StartDetachedProgram;

    void ChangeQuality(int index);
    void ChangeCutLevel();
    void FollowTest();
    void ShowTestStarting();
    void ShowProgress(int ticks);
    void ShowInputEnded(bool cancelled);
    void ShowTestEnded(MicrophoneTestRun::Ending ending);
    void Register();
    // The calibration of the group, when it has one; false when it could not be stored.
    bool StoreCalibration();
    void BuildControls();
    void LayOut();
    void ResetPicture();
    void DrawBand();
    void SetLamp(bool recording);
    void ReturnToIdle();
    void ShowAnalysis(const QByteArray& samples, const MeasureResult& result);
    RecordingQuality SelectedQuality() const;

    QString RecVolumeCommand;
    MicrophoneTestRun* TestRun;
    AudioInputChooser* inputChooser = nullptr;
    LevelCalibrationGroup* levelGroup = nullptr;
    bool Locked = false;
    // The width of the picture in data bytes: those of a whole test.
    int ExpectedBytes = 0;
    // Whether the picture shows an analysed recording.
    bool AfterTest = false;
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
};
