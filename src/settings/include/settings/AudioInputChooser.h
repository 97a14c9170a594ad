#pragma once

#include "audio/AudioDevices.h"

#include <QWidget>
#include <functional>
#include <memory>

class ContestSession;
class QComboBox;
class QLabel;
class QProgressBar;
class QTimer;
class SoundRecorder;

// The input the measurement and the microphone test record from, chosen from
// the sound server's inputs by their descriptions; the first entry is the
// server's default ("既定の入力" with its description). A choice is stored at
// once in the program's options. A stored input the server does not offer is
// named as missing, in red, and the default is shown, but nothing records
// from it in the missing one's place; the stored name stays until the
// operator chooses, so the input counts again once it is back. While
// shown, a level bar follows the input in the list, so the operator can pick
// the microphone that moves it.
class AudioInputChooser : public QWidget {
public:
    // Lists the server's inputs and listens through the microphone unless
    // others are given.
    explicit AudioInputChooser(ContestSession& context, QWidget* parent = nullptr,
                               std::function<AudioInputList()> listInputs = ListAudioInputs,
                               std::unique_ptr<SoundRecorder> monitor = {});
    ~AudioInputChooser() override;

    // Lists the inputs again and selects the stored choice.
    void Load();

    // The server's name of the input in the list; empty for the default.
    QByteArray ListedName() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Choose(int index);
    void RestartListening();
    void ShowLevel();

    ContestSession& Context;
    std::function<AudioInputList()> ListInputs;
    std::unique_ptr<SoundRecorder> Monitor;
    QLabel* inputLabel = nullptr;
    QComboBox* inputList = nullptr;
    QProgressBar* inputLevel = nullptr;
    QLabel* missingInput = nullptr;
    QTimer* levelTimer = nullptr;
    bool ListeningFailed = false;
};
