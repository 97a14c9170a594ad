#pragma once

#include "hall/HallSnapshot.h"

#include <string>

// What the hall's server answers to a GET (or HEAD) of `path`, decoded and
// without its query, from the snapshot alone. The routes are a fixed set:
//   /                 the live ranking page
//   /entrant/N        one entrant's page with its loudness graph
//   /api/ranking      the ranking as JSON, with its entity tag
//   /api/entrant/N    one entrant as JSON
// Anything else, and an entry number not stored, is 404: no file of the disk
// is ever served, whatever the path holds.
struct HallAnswer {
    int Status = 404;
    std::string ContentType = "text/plain; charset=utf-8";
    std::string Body;
    // The entity tag sent with the answer; empty for none.
    std::string Tag;
};

// `ifNoneMatch` is the request's If-None-Match header (empty when absent):
// naming the ranking's current tag answers 304 without a body.
HallAnswer AnswerHallRequest(const HallSnapshot& snapshot, const std::string& path, const std::string& ifNoneMatch);

// The short text body of an answer that has none (an error, 304 excepted).
std::string StatusText(int status);
