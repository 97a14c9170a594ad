#pragma once

#include <QString>

// Why a measurement or the microphone test cannot go on. The run only
// reports; the window layer decides what the operator is told.

// A settings file at Path holds a value no settings window allows: no
// measurement starts, recording and scoring what nobody set.
struct SettingsOutsideLimits {
    QString Path;
};

// The measurement log at Path cannot be read or is damaged: no measurement
// starts under a guessed entry number.
struct MeasurementLogUnreadable {
    QString Path;
};

// Every entry number of the log is taken: no measurement starts until the
// data is cleared.
struct LogFull {};

// The input chosen for recording, Name as the server names it, is not among
// the inputs the server offers: nothing is recorded from another input in
// its place.
struct AudioInputMissing {
    QString Name;
};

// The microphone test's recording does not hold the bytes its quality and
// time call for.
struct TestRecordingMismatch {};
