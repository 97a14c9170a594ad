#pragma once

#include "hall/HallSnapshot.h"

#include <string>

// The hall's pages: Japanese, one column for a phone, everything inline (the
// venue may have no internet).

// The live ranking: its own script asks /api/ranking every 2 seconds with
// If-None-Match and redraws the rows only when the ranking changed.
const std::string& RankingPageHtml();

// One entrant: the three scores, "n位 / m人中", the time and the loudness
// graph, written from the snapshot (names escaped).
std::string EntrantPageHtml(const HallSnapshot& snapshot, const HallEntrant& entrant);
