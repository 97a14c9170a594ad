#pragma once

#include "core/LoadedEntrant.h"

#include <cstdint>
#include <vector>

class ContestSession;

// The samples of an entrant's recording for the graph of its sheet, as
// signed levels, read as every graph reads a recording (ReadEntrantRecording).
// A recording that cannot be drawn shows "音声データが不正です。(n)" and
// "フォルダおよびファイルを確認してください！" and gives no samples: the sheet
// is still output.
std::vector<int16_t> LoadGraphData(ContestSession& context, const LoadedEntrant& entrant);
