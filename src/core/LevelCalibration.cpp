#include "core/LevelCalibration.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace {

// A calibration recording is read after its first second, once the sound
// and the meter's time weighting have settled.
constexpr int SettlingSeconds = 1;
// Below this, relative to full scale, there is nothing to calibrate with.
constexpr double QuietestCalibrationDb = -60;
// The spread of the F-weighted level a calibrator's tone, and a steady sound
// for a meter, keep within.
constexpr double SteadyCalibratorDb = 0.5;
constexpr double SteadySoundDb = 1.0;
// A calibrator's tone is 1 kHz to within a few per cent.
constexpr double CalibratorHz = 1000;
constexpr double CalibratorHzTolerance = 50;

double Tenths(double db)
{
    return std::round(db * 10) / 10;
}

double StandardDeviation(const std::vector<double>& values)
{
    if (values.size() < 2)
        return 0;
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    double squares = 0;
    for (const double value : values)
        squares += (value - mean) * (value - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

double SampleAt(const QByteArray& samples, SampleWidth width, qsizetype i)
{
    if (width == SampleWidth::Bits8)
        return (static_cast<uint8_t>(samples[i]) - 128) / 128.0;
    int16_t value;
    std::memcpy(&value, samples.constData() + 2 * i, sizeof value);
    return value / 32768.0;
}

// The frequency of a tone from its rising crossings of zero, each counted
// only once the wave has been below -threshold, so that noise about zero
// does not add any.
double ToneFrequency(const QByteArray& samples, SampleWidth width, int rate, double threshold)
{
    const qsizetype count = width == SampleWidth::Bits8 ? samples.size() : samples.size() / 2;
    int64_t rises = 0;
    bool below = false;
    for (qsizetype i = 0; i < count; ++i) {
        const double x = SampleAt(samples, width, i);
        if (x < -threshold)
            below = true;
        else if (below && x > threshold) {
            below = false;
            ++rises;
        }
    }
    return count > 0 ? static_cast<double>(rises) * rate / static_cast<double>(count) : 0;
}

double LevelInWeighting(const SoundLevels& levels, LevelWeighting weighting)
{
    switch (weighting) {
    case LevelWeighting::A:
        return levels.LAeq;
    case LevelWeighting::C:
        return levels.LCeq;
    case LevelWeighting::Z:
        break;
    }
    return levels.LZeq;
}

}

std::optional<Uncalibrated> CalibrationMismatch(const LevelCalibration& calibration, const RecordingSetup& setup)
{
    if (!calibration.OffsetDb)
        return Uncalibrated::NoCalibration;
    if (calibration.Input != setup.Input)
        return Uncalibrated::OtherInput;
    if (calibration.Volume != setup.Volume)
        return Uncalibrated::OtherVolume;
    if (calibration.Quality != setup.Quality)
        return Uncalibrated::OtherQuality;
    return std::nullopt;
}

EntrantLevel LevelUnder(const SoundLevels& levels, double offsetDb, int distanceCm)
{
    return {Tenths(levels.LAFmax + offsetDb), Tenths(levels.LCpeak + offsetDb), Tenths(levels.LAeq + offsetDb),
            levels.Clipped, offsetDb, distanceCm};
}

std::variant<CalibrationReading, CalibrationRefusal> ReadCalibration(const QByteArray& samples, RecordingQuality quality,
                                                                    const LevelCalibration& calibration)
{
    const SampleWidth width = SampleWidthOf(quality);
    const int rate = SampleRateOf(quality);
    const qsizetype settling = qsizetype(SettlingSeconds) * rate * (width == SampleWidth::Bits8 ? 1 : 2);
    const QByteArray settled = samples.mid(settling);
    const SoundAnalysis analysis = AnalyseSound(settled, quality);
    const SoundLevels& levels = analysis.Levels;
    if (settled.isEmpty() || levels.LZeq < QuietestCalibrationDb)
        return CalibrationRefusal::NoSound;
    if (levels.Clipped)
        return CalibrationRefusal::Clipped;

    const bool calibrator = calibration.Reference == CalibrationReference::Calibrator;
    // The time weighting's own rise over the first half second is left out.
    const std::vector<double> fast(analysis.FastLevels.begin() + std::min<size_t>(4, analysis.FastLevels.size()),
                                   analysis.FastLevels.end());
    CalibrationReading reading;
    reading.SteadinessDb = StandardDeviation(fast);
    if (reading.SteadinessDb > (calibrator ? SteadyCalibratorDb : SteadySoundDb))
        return CalibrationRefusal::NotSteady;
    if (calibrator) {
        // A tenth of the tone's amplitude: √2 times its root mean square.
        const double threshold = 0.1 * std::sqrt(2.0) * std::sqrt(0.5 * std::pow(10.0, levels.LZeq / 10));
        reading.FrequencyHz = ToneFrequency(settled, width, rate, threshold);
        if (std::abs(reading.FrequencyHz - CalibratorHz) > CalibratorHzTolerance)
            return CalibrationRefusal::NotOneKilohertz;
    }
    // At 1 kHz each weighting reads the same; A keeps out the rumble of
    // hands on the calibrator.
    reading.MeasuredDb = LevelInWeighting(levels, calibrator ? LevelWeighting::A : calibration.Weighting);
    reading.OffsetDb = calibration.ReferenceDb - reading.MeasuredDb;
    return reading;
}
