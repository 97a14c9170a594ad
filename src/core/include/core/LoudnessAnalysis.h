#pragma once

#include "core/MeasureResult.h"
#include "core/RecordingQuality.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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

