#pragma once

#include "hall/HallSnapshot.h"

#include <memory>
#include <optional>
#include <string>

// What a phone asked, as the server read it.
struct HallRequest {
    // Decoded, without its query.
    std::string Path;
    // The If-None-Match header; empty when absent.
    std::string IfNoneMatch;
    // The query's "offset" and "limit" of /api/ranking, as sent.
    std::optional<std::string> Offset;
    std::optional<std::string> Limit;
    bool AcceptsGzip = false;
};

// What the hall's server answers to a GET (or HEAD), from the snapshot alone.
// The routes are a fixed set:
//   /                 the live ranking page
//   /entrant/N        one entrant's page with its loudness graph
//   /api/ranking      the ranking as JSON, with its entity tag; ?offset=&limit=
//                     give a part of it (limit at most MaxRankingLimit)
//   /api/entrant/N    one entrant as JSON, with its entity tag
// Anything else, and an entry number not stored, is 404: no file of the disk
// is ever served, whatever the path holds. While the snapshot is not
// readable, the JSON and the entrant pages answer 503 ("being prepared").
struct HallAnswer {
    int Status = 404;
    std::string ContentType = "text/plain; charset=utf-8";
    // Never null; shared with the snapshot where the answer is ready-made.
    std::shared_ptr<const std::string> Body;
    // The entity tag sent with the answer; empty for none.
    std::string Tag;
    bool Gzipped = false;
    // Seconds to wait before asking again; 0 for none.
    int RetryAfter = 0;
};

inline constexpr size_t MaxRankingLimit = 500;

HallAnswer AnswerHallRequest(const HallSnapshotPtr& snapshot, const HallRequest& request);

// An answer of the status alone: its short text (405, 503 …).
HallAnswer StatusAnswer(int status);

// The short text body of an answer that has none (an error, 304 excepted).
std::string StatusText(int status);
