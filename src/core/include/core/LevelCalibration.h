#pragma once

#include "core/RecordingQuality.h"
#include "core/SoundLevels.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <variant>

// What the sound levels are calibrated against.
enum class CalibrationReference {
    // An acoustic calibrator's tone at 1 kHz (94.0 or 114.0 dB).
    Calibrator,
    // A sound level meter's reading of a steady sound, typed in.
    Meter,
};

enum class LevelWeighting { A, C, Z };

// [Level] in ZUVELO.INI: the calibration the sound levels are measured
// under, and what it holds for. Without a valid OffsetDb there is none, and
// no level anywhere.
struct LevelCalibration {
    // The level in dB that a sine at the recording's full scale reads.
    std::optional<double> OffsetDb;
    CalibrationReference Reference = CalibrationReference::Calibrator;
    double ReferenceDb = 94.0;
    // The meter's frequency weighting (a calibrator's tone reads the same in each).
    LevelWeighting Weighting = LevelWeighting::A;
    // The microphone's distance from the mouth, which the level is stated at.
    int DistanceCm = 50;
    QDate Date;
    // The input ([Audio] Input; empty for the default input), its volume in
    // percent as the sound server reported it, and the recording quality.
    QString Input;
    int Volume = 100;
    RecordingQuality Quality = RecordingQuality::High;
    // Whether the windows, sheets and the hall's page show the levels.
    bool Show = true;
};

// Why a measurement has no level.
enum class Uncalibrated {
    NoCalibration,
    OtherInput,
    OtherVolume,
    OtherQuality,
};

// The input, volume and quality a measurement is recorded with.
struct RecordingSetup {
    QString Input;
    int Volume = 0;
    RecordingQuality Quality = RecordingQuality::High;
};

// Nothing when `calibration` holds for a recording made with `setup`.
std::optional<Uncalibrated> CalibrationMismatch(const LevelCalibration& calibration, const RecordingSetup& setup);

// An entrant's sound levels in dB, under the calibration they were measured
// with, to 0.1 dB.
struct EntrantLevel {
    double LAFmax = 0;
    double LCpeak = 0;
    double LAeq = 0;
    bool Clipped = false;
    double OffsetDb = 0;
    int DistanceCm = 0;

    bool operator==(const EntrantLevel&) const = default;
};

// The levels of a recording under a calibration that holds for it.
EntrantLevel LevelUnder(const SoundLevels& levels, double offsetDb, int distanceCm);

// A calibration recording read: its level on the full-scale scale in the
// reference's weighting, how steady it was, and the offset it gives.
struct CalibrationReading {
    double MeasuredDb = 0;
    // The spread of its F-weighted level (standard deviation) after the first second.
    double SteadinessDb = 0;
    // The tone's frequency (calibrator only; 0 for a meter's sound).
    double FrequencyHz = 0;
    double OffsetDb = 0;
};

// Why a calibration recording is refused.
enum class CalibrationRefusal {
    NoSound,
    Clipped,
    NotSteady,
    NotOneKilohertz,
};

// Reads a calibration recording's samples (data bytes) made at `quality`
// against the reference `calibration` names.
std::variant<CalibrationReading, CalibrationRefusal> ReadCalibration(const QByteArray& samples, RecordingQuality quality,
                                                                    const LevelCalibration& calibration);
