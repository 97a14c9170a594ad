#pragma once

#include "hall/HallSnapshot.h"

#include <string>

// The hall's pages: Japanese, one column for a phone, everything inline (the
// venue may have no internet).

// The live ranking: its own script asks /api/ranking for the ranks it shows
// (the top 20, more at a tap, up to 500) every 2 seconds with If-None-Match,
// and redraws only when they changed; the latest entrant stands above them,
// and an entrant looked up by number is followed the same way.
const std::string& RankingPageHtml();

// One entrant: the three scores, "n位 / m人中", the time and the loudness
// graph, written from the snapshot (names escaped).
std::string EntrantPageHtml(const HallSnapshot& snapshot, const HallEntrant& entrant);

// What an entrant's page says while the results cannot be read.
std::string PreparingPageHtml();
