#include "hall/HallAnswers.h"

#include "Gzip.h"
#include "hall/HallPages.h"

#include <QByteArray>
#include <QList>
#include <regex>

namespace {

const std::string Json = "application/json; charset=utf-8";
const std::string Html = "text/html; charset=utf-8";
const std::string Text = "text/plain; charset=utf-8";

// Smaller answers are not worth the phone's work of unpacking them.
constexpr size_t GzipFrom = 512;

using Body = std::shared_ptr<const std::string>;

Body Owned(std::string text)
{
    return std::make_shared<const std::string>(std::move(text));
}

// A part of the snapshot as a body: it lives as long as an answer sends it.
Body Within(const HallSnapshotPtr& snapshot, const std::string& part)
{
    return Body(snapshot, &part);
}

// The ranking page, the same for every phone and every snapshot.
Body RankingPage(bool gzipped)
{
    static const std::string packed = Gzip(RankingPageHtml());
    return Body(Body(), gzipped ? &packed : &RankingPageHtml());
}

HallAnswer Answer(int status, std::string contentType, Body body, std::string tag = {})
{
    return {status, std::move(contentType), std::move(body), std::move(tag), false, 0};
}

// The entry number of "<prefix>N": 1 to 9999 written without a leading zero;
// 0 for a path of another shape.
int EntryNumberOf(const std::string& path, const std::string& prefix)
{
    static const std::regex number("[1-9][0-9]{0,3}");
    if (path.rfind(prefix, 0) != 0)
        return 0;
    const std::string rest = path.substr(prefix.size());
    return std::regex_match(rest, number) ? std::stoi(rest) : 0;
}

// A query number: up to 9 digits; nothing for anything else.
std::optional<size_t> QueryNumber(const std::string& text)
{
    static const std::regex digits("[0-9]{1,9}");
    if (!std::regex_match(text, digits))
        return std::nullopt;
    return size_t(std::stoul(text));
}

bool TagMatches(const std::string& ifNoneMatch, const std::string& tag)
{
    for (const QByteArray& listed : QByteArray::fromStdString(ifNoneMatch).split(',')) {
        const QByteArray trimmed = listed.trimmed();
        if (trimmed == "*" || trimmed.toStdString() == tag || trimmed.toStdString() == "W/" + tag)
            return true;
    }
    return false;
}

// A tagged answer, or 304 when the phone already holds it.
HallAnswer Tagged(const HallRequest& request, std::string contentType, Body body, std::string tag)
{
    if (TagMatches(request.IfNoneMatch, tag))
        return Answer(304, std::move(contentType), Owned({}), std::move(tag));
    return Answer(200, std::move(contentType), std::move(body), std::move(tag));
}

HallAnswer Ranking(const HallSnapshotPtr& snapshot, const HallRequest& request)
{
    const std::optional<size_t> offset = request.Offset ? QueryNumber(*request.Offset) : size_t(0);
    const std::optional<size_t> limit = request.Limit ? QueryNumber(*request.Limit) : snapshot->Entrants.size();
    if (!offset || !limit)
        return StatusAnswer(400);
    if (!request.Offset && !request.Limit)
        return Tagged(request, Json, Within(snapshot, snapshot->RankingJson), snapshot->RankingTag);
    const size_t taken = std::min(*limit, MaxRankingLimit);
    // A part changes whenever the whole does: its tag is the whole's, marked
    // with the part.
    std::string tag = snapshot->RankingTag;
    tag.insert(tag.size() - 1, "-" + std::to_string(*offset) + "-" + std::to_string(taken));
    return Tagged(request, Json, Owned(snapshot->RankingSlice(*offset, taken)), std::move(tag));
}

HallAnswer Preparing(const std::string& path)
{
    HallAnswer answer = path.rfind("/api/", 0) == 0
                            ? Answer(503, Json, Owned("{\"error\":\"結果を準備しています\"}"))
                            : Answer(503, Html, Owned(PreparingPageHtml()));
    answer.RetryAfter = 5;
    return answer;
}

HallAnswer Route(const HallSnapshotPtr& snapshot, const HallRequest& request)
{
    const std::string& path = request.Path;
    if (path == "/")
        return Answer(200, Html, RankingPage(false));
    const int apiEntrant = EntryNumberOf(path, "/api/entrant/");
    const int pageEntrant = EntryNumberOf(path, "/entrant/");
    if (path != "/api/ranking" && !apiEntrant && !pageEntrant)
        return StatusAnswer(404);
    if (!snapshot->Readable)
        return Preparing(path);
    if (path == "/api/ranking")
        return Ranking(snapshot, request);
    if (apiEntrant) {
        const auto json = snapshot->EntrantJson.find(apiEntrant);
        if (json == snapshot->EntrantJson.end())
            return StatusAnswer(404);
        return Tagged(request, Json, Within(snapshot, json->second), EntityTag(json->second));
    }
    const HallEntrant* entrant = snapshot->Find(pageEntrant);
    return entrant ? Answer(200, Html, Owned(EntrantPageHtml(*snapshot, *entrant))) : StatusAnswer(404);
}

// The gzip form of an answer for a phone that takes it; the page's and the
// whole ranking's are ready-made. Its tag is weak, as the bytes differ.
void GzipFor(const HallSnapshotPtr& snapshot, HallAnswer& answer)
{
    if (answer.Body->size() < GzipFrom)
        return;
    if (answer.Body.get() == &snapshot->RankingJson)
        answer.Body = Within(snapshot, snapshot->RankingGzip);
    else if (answer.Body.get() == &RankingPageHtml())
        answer.Body = RankingPage(true);
    else
        answer.Body = Owned(Gzip(*answer.Body));
    answer.Gzipped = true;
    if (!answer.Tag.empty())
        answer.Tag = "W/" + answer.Tag;
}

}

HallAnswer AnswerHallRequest(const HallSnapshotPtr& snapshot, const HallRequest& request)
{
    HallAnswer answer = Route(snapshot, request);
    if (request.AcceptsGzip && (answer.Status == 200 || answer.Status == 503))
        GzipFor(snapshot, answer);
    return answer;
}

HallAnswer StatusAnswer(int status)
{
    return Answer(status, Text, Owned(StatusText(status)));
}

std::string StatusText(int status)
{
    switch (status) {
    case 400:
        return "400 要求の形が正しくありません\n";
    case 404:
        return "404 見つかりません\n";
    case 405:
        return "405 GET と HEAD だけを受け付けます\n";
    case 414:
        return "414 URI が長すぎます\n";
    case 431:
        return "431 ヘッダーが大きすぎます\n";
    case 503:
        return "503 接続が多すぎます。しばらくしてからもう一度どうぞ\n";
    default:
        return std::to_string(status) + "\n";
    }
}
