// The sound level calibration: as ZUVELO.INI keeps it, what it holds for, and
// how a calibration recording is read.
#include "core/LevelCalibration.h"
#include "core/ProgramOptions.h"

#include "support/StoreFolder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// 5 s of 16-bit samples at 48 kHz.
QByteArray Recording(const std::function<double(double)>& signal)
{
    QByteArray bytes;
    for (int n = 0; n < 5 * 48000; ++n) {
        const auto sample = static_cast<int16_t>(std::lround(std::clamp(signal(n / 48000.0) * 32768.0, -32768.0, 32767.0)));
        bytes.append(static_cast<char>(sample & 0xff)).append(static_cast<char>((sample >> 8) & 0xff));
    }
    return bytes;
}

std::function<double(double)> Tone(double frequency, double amplitude)
{
    return [=](double t) { return amplitude * std::sin(2 * std::numbers::pi * frequency * t); };
}

LevelCalibration Calibrator()
{
    return {};
}

}

TEST(LevelCalibration, IsKeptInItsSectionAndAValueOutOfRangeMeansNoCalibration)
{
    StoreFolder folder;
    ProgramOptions options;
    options.Level = {101.25, CalibrationReference::Meter, 92.4, LevelWeighting::C, 30, QDate(2026, 12, 8),
                     QStringLiteral("alsa_input.usb-mic"), 64, RecordingQuality::Middle, false};
    ASSERT_FALSE(SaveProgramOptions(folder.Context, options));
    const QByteArray text = folder.Read(QStringLiteral("ZUVELO.INI"));
    EXPECT_TRUE(text.contains("[Level]\nDate=2026-12-08\nDistanceCm=30\nInput=alsa_input.usb-mic\nOffsetDb=101.25\nQuality=1\n"
                              "Reference=meter\nReferenceDb=92.4\nShow=false\nVolume=64\nWeighting=C\n"))
        << text.toStdString();
    const LevelCalibration read = LoadProgramOptions(folder.Context).Level;
    EXPECT_EQ(read.OffsetDb, 101.25);
    EXPECT_EQ(read.Reference, CalibrationReference::Meter);
    EXPECT_EQ(read.Weighting, LevelWeighting::C);
    EXPECT_EQ(read.Volume, 64);
    EXPECT_EQ(read.Quality, RecordingQuality::Middle);
    EXPECT_FALSE(read.Show);

    // Written by hand: whatever decides whether it holds, damaged, leaves none.
    for (const char* damaged : {"OffsetDb=abc", "OffsetDb=-5", "Volume=", "Quality=3", "Quality=1.5"}) {
        folder.Write(QStringLiteral("ZUVELO.INI"),
                     QByteArray("[Level]\nOffsetDb=100\nVolume=64\nQuality=2\n") + damaged + '\n');
        EXPECT_FALSE(LoadProgramOptions(folder.Context).Level.OffsetDb) << damaged;
    }
    folder.Write(QStringLiteral("ZUVELO.INI"), "[Level]\nOffsetDb=100\nVolume=64\nQuality=2\nDistanceCm=0\n");
    const LevelCalibration byHand = LoadProgramOptions(folder.Context).Level;
    EXPECT_EQ(byHand.OffsetDb, 100.0);
    EXPECT_EQ(byHand.DistanceCm, 50) << "a distance out of range reads as the default";
    EXPECT_TRUE(byHand.Show) << "shown once calibrated unless turned off";
}

TEST(LevelCalibration, AnOptionsFileWithoutACalibrationGetsNoLevelSection)
{
    StoreFolder folder;
    ASSERT_FALSE(SaveProgramOptions(folder.Context, ProgramOptions{}));
    EXPECT_FALSE(folder.Read(QStringLiteral("ZUVELO.INI")).contains("[Level]"));
}

TEST(LevelCalibration, HoldsOnlyForTheInputVolumeAndQualityItWasMadeWith)
{
    LevelCalibration calibration;
    calibration.OffsetDb = 110;
    calibration.Input = QStringLiteral("usb-mic");
    calibration.Volume = 64;
    calibration.Quality = RecordingQuality::High;
    const struct {
        RecordingSetup Setup;
        std::optional<Uncalibrated> Mismatch;
    } cases[] = {
        {{QStringLiteral("usb-mic"), 64, RecordingQuality::High}, std::nullopt},
        {{QString(), 64, RecordingQuality::High}, Uncalibrated::OtherInput},
        {{QStringLiteral("usb-mic"), 70, RecordingQuality::High}, Uncalibrated::OtherVolume},
        {{QStringLiteral("usb-mic"), 64, RecordingQuality::Middle}, Uncalibrated::OtherQuality},
    };
    for (const auto& [setup, mismatch] : cases)
        EXPECT_EQ(CalibrationMismatch(calibration, setup), mismatch) << setup.Input.toStdString() << " " << setup.Volume;
    calibration.OffsetDb.reset();
    EXPECT_EQ(CalibrationMismatch(calibration, cases[0].Setup), Uncalibrated::NoCalibration);
}

TEST(LevelCalibration, ACalibratorsToneSetsTheScaleThatATone20DecibelsLowerReadsOn)
{
    // The calibrator's 94.0 dB at a tenth of full scale (-20 dB).
    const auto reading = ReadCalibration(Recording(Tone(1000, 0.1)), RecordingQuality::High, Calibrator());
    ASSERT_TRUE(std::holds_alternative<CalibrationReading>(reading));
    const CalibrationReading& calibrated = std::get<CalibrationReading>(reading);
    EXPECT_NEAR(calibrated.OffsetDb, 114.0, 0.05);
    EXPECT_NEAR(calibrated.FrequencyHz, 1000, 2);
    EXPECT_LT(calibrated.SteadinessDb, 0.05);

    const SoundLevels quieter = AnalyseSound(Recording(Tone(1000, 0.01)), RecordingQuality::High).Levels;
    const EntrantLevel level = LevelUnder(quieter, calibrated.OffsetDb, 50);
    EXPECT_NEAR(level.LAFmax, 74.0, 0.1);
    EXPECT_NEAR(level.LAeq, 74.0, 0.1);
}

TEST(LevelCalibration, ARecordingThatCannotSetTheScaleIsRefusedWithItsReason)
{
    const auto warbling = [](double t) { return (0.1 + 0.05 * std::sin(2 * std::numbers::pi * 2 * t)) * std::sin(2 * std::numbers::pi * 1000 * t); };
    const struct {
        std::function<double(double)> Signal;
        CalibrationRefusal Refusal;
    } cases[] = {
        {[](double) { return 0.0; }, CalibrationRefusal::NoSound},
        {Tone(1000, 1.2), CalibrationRefusal::Clipped},
        {warbling, CalibrationRefusal::NotSteady},
        {Tone(250, 0.1), CalibrationRefusal::NotOneKilohertz},
    };
    for (const auto& [signal, refusal] : cases) {
        const auto reading = ReadCalibration(Recording(signal), RecordingQuality::High, Calibrator());
        ASSERT_TRUE(std::holds_alternative<CalibrationRefusal>(reading)) << static_cast<int>(refusal);
        EXPECT_EQ(std::get<CalibrationRefusal>(reading), refusal);
    }
}

TEST(LevelCalibration, AMetersReadingIsTakenInItsWeighting)
{
    LevelCalibration meter;
    meter.Reference = CalibrationReference::Meter;
    meter.ReferenceDb = 80.0;
    // A steady 100 Hz hum at -20 dB: -19.1 dB A-weighted, -0.3 dB C-weighted.
    for (const auto& [weighting, offset] : {std::pair{LevelWeighting::A, 119.1}, std::pair{LevelWeighting::C, 100.3},
                                            std::pair{LevelWeighting::Z, 100.0}}) {
        meter.Weighting = weighting;
        const auto reading = ReadCalibration(Recording(Tone(100, 0.1)), RecordingQuality::High, meter);
        ASSERT_TRUE(std::holds_alternative<CalibrationReading>(reading));
        EXPECT_NEAR(std::get<CalibrationReading>(reading).OffsetDb, offset, 0.15);
    }
}
