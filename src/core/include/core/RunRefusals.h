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

// The microphone test's recording does not hold the bytes its quality and
// time call for.
struct TestRecordingMismatch {};
