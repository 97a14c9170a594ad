#pragma once

#include <QAudioDevice>
#include <QByteArray>

// The sound server's default source and sink as the operator chose them in
// the system's volume control. Qt reports the first ordinary source as its
// default whatever the server says, so the server is asked itself.
struct SoundServerDefaults {
    QByteArray SourceName;
    QByteArray SinkName;
};

// Empty names when no sound server answers within `timeoutMs`.
SoundServerDefaults QuerySoundServerDefaults(int timeoutMs = 1000);

// The device of the server's default; Qt's default where the server does not
// answer or Qt does not list that device.
QAudioDevice DefaultAudioInput();
QAudioDevice DefaultAudioOutput();
