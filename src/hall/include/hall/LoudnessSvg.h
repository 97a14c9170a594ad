#pragma once

#include "core/LoudnessAnalysis.h"

#include <cstdint>
#include <span>
#include <string>

// The score monitor's loudness graph of a recording as an SVG picture for the
// hall's entrant page: the frame, ten time divisions, the centre line, the
// noise cut lines at `noiseCutLevel` percent of full scale above and below
// it, and the waveform as one line per column spanning the lowest and the
// highest level of the samples that fall in it.
std::string LoudnessSvg(std::span<const int16_t> levels, SampleWidth width, int noiseCutLevel);
