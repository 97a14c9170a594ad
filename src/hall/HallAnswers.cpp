#include "hall/HallAnswers.h"

#include "hall/HallPages.h"

#include <QByteArray>
#include <QList>
#include <regex>

namespace {

const std::string Json = "application/json; charset=utf-8";
const std::string Html = "text/html; charset=utf-8";

HallAnswer Found(std::string contentType, std::string body, std::string tag = {})
{
    return {200, std::move(contentType), std::move(body), std::move(tag)};
}

HallAnswer NotFound()
{
    return {404, "text/plain; charset=utf-8", StatusText(404), {}};
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

bool TagMatches(const std::string& ifNoneMatch, const std::string& tag)
{
    for (const QByteArray& listed : QByteArray::fromStdString(ifNoneMatch).split(',')) {
        const QByteArray trimmed = listed.trimmed();
        if (trimmed == "*" || trimmed.toStdString() == tag || trimmed.toStdString() == "W/" + tag)
            return true;
    }
    return false;
}

}

HallAnswer AnswerHallRequest(const HallSnapshot& snapshot, const std::string& path, const std::string& ifNoneMatch)
{
    if (path == "/")
        return Found(Html, RankingPageHtml());
    if (path == "/api/ranking") {
        if (TagMatches(ifNoneMatch, snapshot.RankingTag))
            return {304, Json, {}, snapshot.RankingTag};
        return Found(Json, snapshot.RankingJson, snapshot.RankingTag);
    }
    if (const int entryNo = EntryNumberOf(path, "/api/entrant/")) {
        const auto json = snapshot.EntrantJson.find(entryNo);
        return json == snapshot.EntrantJson.end() ? NotFound() : Found(Json, json->second);
    }
    if (const int entryNo = EntryNumberOf(path, "/entrant/")) {
        const HallEntrant* entrant = snapshot.Find(entryNo);
        return entrant ? Found(Html, EntrantPageHtml(snapshot, *entrant)) : NotFound();
    }
    return NotFound();
}

std::string StatusText(int status)
{
    switch (status) {
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
