#pragma once

#include "audio/AudioDevices.h"
#include "core/LevelCalibration.h"

#include <QGroupBox>
#include <functional>
#include <future>
#include <memory>

class ContestSession;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class SoundRecorder;

// "音圧校正" of the microphone settings: the reference the sound levels are
// calibrated against (an acoustic calibrator's tone, or a sound level
// meter's reading typed in with its weighting), the microphone's distance
// from the mouth, and 校正, which records 5 s from the chosen input at its
// volume and the quality chosen in the window and shows the level measured,
// its steadiness and the offset it gives. Until then the group says whether
// the stored calibration holds for the input, its volume and the quality as
// they are now ("未校正" and why when not).
class LevelCalibrationGroup : public QGroupBox {
    Q_OBJECT
public:
    using VolumeQuery = std::function<std::optional<int>(const QByteArray&)>;

    // Records from the chosen input and asks the sound server for its volume
    // unless others are given.
    LevelCalibrationGroup(ContestSession& context, std::function<RecordingQuality()> quality, QWidget* parent = nullptr,
                          std::unique_ptr<SoundRecorder> recorder = {}, VolumeQuery inputVolume = [](const QByteArray& name) {
                              return QueryInputVolume(name);
                          });
    ~LevelCalibrationGroup() override;

    // Shows the stored calibration and asks for the input's volume anew.
    void Load();
    // The calibration as 登録 stores it: the one 校正 made, or the stored
    // one, with the distance and the showing as set here.
    LevelCalibration Calibration() const;
    // Whether a calibration recording is under way.
    bool Calibrating() const;

signals:
    // A calibration recording was read, or refused.
    void calibrationRead();

private:
    void BuildControls();
    void Calibrate();
    void CheckProgress();
    void ReadRecording();
    void ShowStatus();
    void FollowReference();
    QByteArray ChosenInput() const;

    ContestSession& Context;
    std::function<RecordingQuality()> Quality;
    std::unique_ptr<SoundRecorder> Recorder;
    VolumeQuery InputVolume;
    LevelCalibration Stored;
    // A calibration made since the group was loaded, not yet stored.
    std::optional<LevelCalibration> Made;
    // The input's volume as the server last told it, and the question on its way.
    std::optional<int> Volume;
    std::future<std::optional<int>> VolumeAnswer;
    // 校正 was pressed while that question was still on its way.
    bool CalibrateWhenAnswered = false;
    // The calibration recording's input, volume and quality, fixed at 校正.
    RecordingSetup Recording;

    QComboBox* referenceBox = nullptr;
    QDoubleSpinBox* referenceLevel = nullptr;
    QComboBox* weightingBox = nullptr;
    QSpinBox* distanceBox = nullptr;
    QCheckBox* showLevels = nullptr;
    QPushButton* calibrateButton = nullptr;
    QLabel* statusText = nullptr;
    QLabel* resultText = nullptr;
    QTimer* progress = nullptr;
};
