#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <sndfile.h>
#include <vector>

// The scores of a recording worked out apart from the program's analysis: the
// file read by libsndfile, the loudest tenth found by sorting.
struct IndependentScore {
    bool Read = false;
    int64_t SampleCount = 0;
    int64_t MaxRaw = 0;
    int64_t IntegRaw = 0;
    int64_t MaxPoints = 0;
    int64_t IntegPoints = 0;
    int64_t TotalPoints = 0;
};

inline IndependentScore ScoreIndependently(const QString& path, int noiseCutLevel)
{
    IndependentScore score;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (!file)
        return score;
    const bool eightBit = (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_U8;
    std::vector<short> samples(static_cast<size_t>(info.frames * info.channels));
    sf_read_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    if (info.channels != 1)
        return score;
    const int64_t fullScale = eightBit ? 128 : 32768;
    std::vector<int64_t> levels;
    for (const short sample : samples) {
        // libsndfile gives an 8-bit sample b as (b - 128) * 256.
        const int64_t magnitude = eightBit ? std::abs(sample / 256) : std::abs(int64_t(sample));
        if (magnitude * 100 <= fullScale * noiseCutLevel)
            continue;
        score.IntegRaw += magnitude;
        levels.push_back(eightBit ? magnitude : magnitude / 100 * 100);
    }
    score.SampleCount = static_cast<int64_t>(samples.size());
    std::sort(levels.begin(), levels.end(), std::greater<>());
    const auto tenth = static_cast<size_t>((score.SampleCount + 9) / 10);
    for (size_t i = 0; i < std::min(tenth, levels.size()); ++i)
        score.MaxRaw += levels[i];
    if (score.SampleCount > 0) {
        const double denominator = double(score.SampleCount) * double(fullScale);
        score.MaxPoints = static_cast<int64_t>(double(score.MaxRaw * 10) / denominator * 1000);
        score.IntegPoints = static_cast<int64_t>(double(score.IntegRaw) / denominator * 1000);
    }
    score.TotalPoints = score.MaxPoints + score.IntegPoints;
    score.Read = true;
    return score;
}
