#pragma once

#include <cstdint>
#include <vector>

class ContestSession;

// The samples of an entrant's recording for the graph of its sheet, read
// from its recording file in the program folder past the 46-byte header, as
// signed levels (8-bit samples less 128; 16-bit little-endian samples, a
// trailing odd byte dropped).
//
// A file of 46 bytes or less gives no samples and no message. A missing or
// unreadable file, or one with more samples than a sheet holds (250000 at 8
// bits, 30000000 at 16 bits), shows "音声データが不正です。(n)" and
// "フォルダおよびファイルを確認してください！" and gives no samples.
std::vector<int16_t> LoadGraphData8(ContestSession& context, int entryNo);
std::vector<int16_t> LoadGraphData16(ContestSession& context, int entryNo);
