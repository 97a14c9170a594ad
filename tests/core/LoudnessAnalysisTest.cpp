#include "core/LoudnessAnalysis.h"

#include "core/RecordingFile.h"
#include "support/StoreFolder.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

MeasureResult Score(SampleWidth width, const QByteArray& data, int noiseCut)
{
    LoudnessTally tally(width, noiseCut);
    tally.Add(data.constData(), static_cast<size_t>(data.size()));
    return tally.Finish(data.size());
}

QByteArray Samples16(const std::vector<int>& values)
{
    QByteArray data;
    for (int value : values) {
        const auto word = static_cast<uint16_t>(static_cast<int16_t>(value));
        data.append(static_cast<char>(word & 0xFF));
        data.append(static_cast<char>(word >> 8));
    }
    return data;
}

// The scoring written the slow way: a magnitude per sample, then the loudest
// tenth walked level by level from the top and position by position.
MeasureResult ReferenceScore(SampleWidth width, const QByteArray& data, int noiseCut)
{
    const bool eightBit = width == SampleWidth::Bits8;
    const int64_t fullScale = eightBit ? 128 : 32768;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    std::vector<int64_t> stored;
    MeasureResult result;
    const int64_t pairs = data.size() / 2;
    const int64_t samples = eightBit ? data.size() : pairs;
    for (int64_t i = 0; i < samples; ++i) {
        const int64_t magnitude = eightBit ? std::abs(bytes[i] - 128)
                                           : std::abs(static_cast<int>(static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8))));
        const bool retained = magnitude * 100 > fullScale * noiseCut;
        stored.push_back(retained ? magnitude : 0);
        if (retained)
            result.IntegRaw += magnitude;
    }
    const int64_t n = eightBit ? data.size() : static_cast<int64_t>(std::nearbyint(data.size() / 2.0));
    const double k = n / 10.0;
    int64_t taken = 0;
    std::vector<bool> used(stored.size(), false);
    const int top = eightBit ? 128 : 32800;
    const int step = eightBit ? 1 : 100;
    for (int level = top; level >= step && taken < k; level -= step) {
        for (size_t i = 0; i < stored.size() && taken < k; ++i) {
            if (!used[i] && stored[i] >= level && (eightBit || stored[i] < level + step)) {
                used[i] = true;
                result.MaxRaw += level;
                ++taken;
            }
        }
    }
    if (n <= 0)
        return {};
    result.SampleCount = static_cast<int32_t>(n);
    const double q = static_cast<double>(n * fullScale);
    result.MaxPoints = Points{static_cast<int64_t>(std::trunc(static_cast<double>(result.MaxRaw * 10) / q * 1000))};
    result.IntegPoints = Points{static_cast<int64_t>(std::trunc(static_cast<double>(result.IntegRaw) / q * 1000))};
    result.TotalPoints = result.MaxPoints + result.IntegPoints;
    return result;
}

}

TEST(LoudnessAnalysis, SilenceScoresNothingAtAnyCutLevel)
{
    for (int cut : {0, 10, 100}) {
        EXPECT_EQ(Score(SampleWidth::Bits8, QByteArray(8000, '\x80'), cut).TotalPoints.Value, 0);
        EXPECT_EQ(Score(SampleWidth::Bits16, QByteArray(16000, '\0'), cut).TotalPoints.Value, 0);
    }
}

TEST(LoudnessAnalysis, FullScaleScoresTheMaximum)
{
    const MeasureResult full = Score(SampleWidth::Bits8, QByteArray(24000, '\0'), 10);
    EXPECT_EQ(full.SampleCount, 24000);
    EXPECT_EQ(full.MaxRaw, 307200);
    EXPECT_EQ(full.MaxPoints.Value, 1000);
    EXPECT_EQ(full.IntegRaw, 3072000);
    EXPECT_EQ(full.IntegPoints.Value, 1000);
    EXPECT_EQ(full.TotalPoints.Value, 2000);

    const MeasureResult odd = Score(SampleWidth::Bits8, QByteArray(8001, '\0'), 10);
    EXPECT_EQ(odd.MaxRaw, 801 * 128) << "the ceiling of a tenth is taken";
    EXPECT_EQ(odd.MaxPoints.Value, 1001);

    const MeasureResult loud16 = Score(SampleWidth::Bits16, Samples16(std::vector<int>(48000, -32768)), 10);
    EXPECT_EQ(loud16.MaxRaw, 4800 * 32700);
    EXPECT_EQ(loud16.MaxPoints.Value, 997);
    EXPECT_EQ(loud16.IntegPoints.Value, 1000);
    EXPECT_EQ(Score(SampleWidth::Bits16, Samples16(std::vector<int>(480, 32767)), 10).IntegPoints.Value, 999);
}

TEST(LoudnessAnalysis, TheLoudestTenthOfTenSamplesIsTheLoudestOne)
{
    const QByteArray data("\x8A\x77\x88\x79\x86\x7B\x84\x7D\x82\x7F", 10);
    const MeasureResult result = Score(SampleWidth::Bits8, data, 0);
    EXPECT_EQ(result.MaxRaw, 10);
    EXPECT_EQ(result.MaxPoints.Value, 78);
    EXPECT_EQ(result.IntegRaw, 55);
    EXPECT_EQ(result.IntegPoints.Value, 42);
}

TEST(LoudnessAnalysis, TheNoiseCutIsStrict)
{
    EXPECT_EQ(Score(SampleWidth::Bits8, QByteArray(1, static_cast<char>(128 + 64)), 50).IntegRaw, 0);
    EXPECT_EQ(Score(SampleWidth::Bits8, QByteArray(1, static_cast<char>(128 - 65)), 50).IntegRaw, 65);
    EXPECT_EQ(Score(SampleWidth::Bits8, QByteArray(1, static_cast<char>(128 + 32)), 25).IntegRaw, 0);
    EXPECT_EQ(Score(SampleWidth::Bits8, QByteArray(1, static_cast<char>(128 + 7)), 5).IntegRaw, 7);
    EXPECT_EQ(Score(SampleWidth::Bits16, Samples16({8192, -8192}), 25).IntegRaw, 0);
    EXPECT_EQ(Score(SampleWidth::Bits16, Samples16({8193}), 25).IntegRaw, 8193);
    EXPECT_EQ(Score(SampleWidth::Bits8, QByteArray(100, '\0'), 100).TotalPoints.Value, 0);
    EXPECT_EQ(Score(SampleWidth::Bits16, Samples16(std::vector<int>(100, -32768)), 100).TotalPoints.Value, 0);
}

TEST(LoudnessAnalysis, SixteenBitSamplesAreSignedLittleEndianWords)
{
    const QByteArray data("\x00\x80\xFF\xFF\x05\xFF\x34\x12", 8);
    const MeasureResult result = Score(SampleWidth::Bits16, data, 0);
    EXPECT_EQ(result.SampleCount, 4);
    EXPECT_EQ(result.IntegRaw, 32768 + 1 + 251 + 4660);
    EXPECT_EQ(result.MaxRaw, 32700) << "one sample of four, at its level rounded down";
}

TEST(LoudnessAnalysis, SixteenBitLevelsAreHundreds)
{
    std::vector<int> samples(20, 0);
    samples[3] = 150;
    samples[9] = -199;
    EXPECT_EQ(Score(SampleWidth::Bits16, Samples16(samples), 0).MaxRaw, 200);
    samples[3] = 99;
    samples[9] = -50;
    const MeasureResult quiet = Score(SampleWidth::Bits16, Samples16(samples), 0);
    EXPECT_EQ(quiet.MaxRaw, 0);
    EXPECT_EQ(quiet.IntegRaw, 149);
}

TEST(LoudnessAnalysis, FewRetainedSamplesAllCountButTheDenominatorKeepsN)
{
    QByteArray data(1000, '\x80');
    data[10] = '\x90';
    data[500] = '\x70';
    const MeasureResult result = Score(SampleWidth::Bits8, data, 0);
    EXPECT_EQ(result.MaxRaw, result.IntegRaw);
    EXPECT_EQ(result.IntegPoints.Value, static_cast<int64_t>(32.0 / (1000 * 128) * 1000));
}

TEST(LoudnessAnalysis, OddSixteenBitLengthsRoundTheCountToEven)
{
    EXPECT_EQ(Score(SampleWidth::Bits16, QByteArray(7, '\x10'), 0).SampleCount, 4);
    EXPECT_EQ(Score(SampleWidth::Bits16, QByteArray(5, '\x10'), 0).SampleCount, 2);
    EXPECT_EQ(Score(SampleWidth::Bits16, QByteArray(1, '\x10'), 0).TotalPoints.Value, 0);
}

TEST(LoudnessAnalysis, CountingAgreesWithTheLevelByLevelWalk)
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 40; ++round) {
        const SampleWidth width = round % 2 == 0 ? SampleWidth::Bits8 : SampleWidth::Bits16;
        QByteArray data(static_cast<qsizetype>(random.bounded(1, 3000)), '\0');
        const int spread = random.bounded(1, 256);
        for (char& byte : data)
            byte = static_cast<char>(128 + random.bounded(-spread / 2, spread / 2 + 1));
        const int cut = random.bounded(0, 60);
        const MeasureResult expected = ReferenceScore(width, data, cut);
        EXPECT_EQ(Score(width, data, cut), expected) << "round " << round;

        LoudnessTally pieces(width, cut);
        for (qsizetype at = 0; at < data.size(); at += 7)
            pieces.Add(data.constData() + at, static_cast<size_t>(std::min<qsizetype>(7, data.size() - at)));
        EXPECT_EQ(pieces.Finish(data.size()), expected) << "round " << round << " in pieces";
    }
}

TEST(LoudnessAnalysis, ScoresARecordingFileAtEitherWidth)
{
    StoreFolder folder;
    folder.Write(QStringLiteral("xx0007.wav"), MakeRecordingHeader(8000, 8, 24000) + QByteArray(24000, '\0'));
    EXPECT_EQ(ScoreRecordingFile(folder.Path(QStringLiteral("xx0007.wav")), SampleWidth::Bits8, 10).TotalPoints, Points{2000});

    folder.Write(QStringLiteral("xx3000.wav"), MakeRecordingHeader(16000, 16, 4) + Samples16({-32768, 100}));
    const MeasureResult result = ScoreRecordingFile(folder.Path(QStringLiteral("xx3000.wav")), SampleWidth::Bits16, 10);
    EXPECT_EQ(result.SampleCount, 2);
    EXPECT_EQ(result.IntegRaw, 32768) << "the quiet sample falls under the cut";
}

TEST(LoudnessAnalysis, FilesNoLongerThanTheHeaderScoreZero)
{
    StoreFolder folder;
    const QString path = folder.Path(QStringLiteral("xx0001.wav"));
    for (const QByteArray& bytes : {QByteArray(), QByteArray(10, '\0'), MakeRecordingHeader(8000, 8, 0)}) {
        folder.Write(QStringLiteral("xx0001.wav"), bytes);
        EXPECT_EQ(ScoreRecordingFile(path, SampleWidth::Bits8, 10), MeasureResult());
    }
    EXPECT_EQ(ScoreRecordingFile(folder.Path(QStringLiteral("xx0002.wav")), SampleWidth::Bits16, 10), MeasureResult())
        << "a missing file scores nothing and does not crash";
}
