#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The sound server's default source and sink as the operator chose them in
// the system's volume control, as the server itself tells them.
struct SoundServerDefaults {
    QByteArray SourceName;
    QByteArray SinkName;
    // The server's own name and version, "pulseaudio 16.1" or
    // "PulseAudio (on PipeWire 0.3.65) 15.0.0".
    QString ServerName;
};

// Empty names when no sound server answers within `timeoutMs`.
SoundServerDefaults QuerySoundServerDefaults(int timeoutMs = 1000);

// An input as the operator chooses it: the server's name, which is stored,
// and the description the operator knows it by.
struct AudioInputEntry {
    QByteArray Name;
    QString Description;
    bool operator==(const AudioInputEntry&) const = default;
};

// The inputs the server offers and the name of its default among them.
struct AudioInputList {
    std::vector<AudioInputEntry> Inputs;
    QByteArray DefaultName;
    // No sound server answered: the list says nothing of the inputs.
    bool ServerMissing = false;
};

// Asks the server anew at each call (monitors of outputs are no inputs);
// waits at most a second for it.
AudioInputList ListAudioInputs();

// What a stored choice comes to: its own name while it is listed, otherwise
// the default (an empty name); Missing when a stored name is not listed.
struct ResolvedAudioInput {
    QByteArray Name;
    bool Missing = false;
    bool operator==(const ResolvedAudioInput&) const = default;
};

ResolvedAudioInput ResolveAudioInput(const AudioInputList& list, const QByteArray& chosen);

// The volume of the input `name` (the default input for an empty name) in
// per cent, as the server's volume control shows it: the average of its
// channels. Nothing when no server answers within `timeoutMs` or it has no
// such input.
std::optional<int> QueryInputVolume(const QByteArray& name, int timeoutMs = 1000);
