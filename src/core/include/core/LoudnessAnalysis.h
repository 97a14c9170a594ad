#pragma once

#include "core/MeasureResult.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class ContestState;

enum class SampleWidth { Bits8, Bits16 };

// Scores the samples of one recording. Samples are counted per value in one
// pass; the loudest tenth is then taken from the counts, level by level from
// the top, so recordings of any length are scored in full without keeping a
// magnitude per sample.
class LoudnessTally {
public:
    LoudnessTally(SampleWidth width, int noiseCutLevel);

    // Data bytes in file order, in pieces of any size.
    void Add(const char* data, size_t size);
    // `dataBytes` is the file length less the header; it fixes the sample
    // count, which may be zero or less for a file shorter than its header.
    MeasureResult Finish(int64_t dataBytes) const;

private:
    SampleWidth Width;
    int NoiseCutLevel;
    // Number of samples per raw value: the byte at 8 bit, the 16-bit word at 16 bit.
    std::vector<uint32_t> ValueCounts;
    bool HasPendingByte = false;
    uint8_t PendingByte = 0;
};

// Scores the recording at `path`: the first 46 bytes are skipped unread and
// the rest are samples of the given width, whatever the header says.
MeasureResult ScoreRecordingFile(const QString& path, SampleWidth width, int noiseCutLevel);

// Score the recording of the current entry number with the current noise cut
// level into the context's MeasureResult: 8-bit for the normal quality,
// 16-bit for the two higher ones.
void AnalyzeWav8(ContestState& context);
void AnalyzeWav16(ContestState& context);
