#include "hall/HallPages.h"

#include "core/DisplayFormat.h"

namespace {

// Fonts of the phone first, then those of a Debian desktop.
const char* const PageStyle = R"(
body{margin:0;padding:8px;font-family:"Hiragino Sans","Noto Sans CJK JP","IPAGothic","IPAPGothic",sans-serif;
background:#10183a;color:#fff;max-width:640px;margin:auto}
h1{font-size:1.4em;margin:8px 0}
a{color:inherit;text-decoration:none}
.row{display:grid;grid-template-columns:3.2em 1fr auto;align-items:center;gap:4px 10px;
background:#1e2a5c;border-radius:8px;padding:8px 10px;margin:6px 0}
.row.latest,.pinned{background:#c0392b}
.pinned{display:grid;grid-template-columns:3.2em 1fr auto;align-items:center;gap:4px 10px;
border-radius:8px;padding:8px 10px;margin:6px 0}
.row.found{outline:3px solid #f1c40f}
form{display:flex;gap:8px;margin:8px 0}
input,button{font-size:1.1em;border-radius:6px;border:0;padding:6px 10px}
input{flex:1;min-width:0}
.rank{font-size:1.6em;font-weight:bold;text-align:right}
.who{font-size:1.1em;overflow:hidden;text-overflow:ellipsis;white-space:nowrap}
.total{font-size:2em;font-weight:bold;text-align:right}
.parts{grid-column:2/4;font-size:.9em;color:#ccd}
.note{font-size:.85em;color:#ccd;margin:8px 0}
#state{white-space:pre-line}
dl{display:grid;grid-template-columns:auto 1fr;gap:6px 12px;font-size:1.2em}
dd{margin:0;font-weight:bold;text-align:right}
.big{font-size:2.6em;font-weight:bold;margin:8px 0}
svg{width:100%;height:auto;background:#fff;border-radius:6px}
)";

const char* const RankingScript = R"(
// The page asks only for what it shows: the top ranks, the latest entrant
// (sent with them) and the entrant looked up, each with its entity tag, so
// that a phone downloads little more than a kilobyte per stored result.
const step = 20, most = 500;
let limit = step, rankingTag = null, lookedUp = 0, lookedUpTag = null, timer = null;
const $ = id => document.getElementById(id);
function cell(cls, text) {
  const e = document.createElement('div');
  e.className = cls;
  e.textContent = text;
  return e;
}
function row(e, cls) {
  const r = document.createElement('a');
  r.className = cls;
  r.href = '/entrant/' + e.entryNo;
  r.append(cell('rank', e.rank + '位'),
           cell('who', 'No.' + e.entryNo + (e.name ? ' ' + e.name : '')),
           cell('total', e.total + '点'),
           cell('parts', '最大値 ' + e.maxPoints + '点 / 積算値 ' + e.integratedPoints + '点'));
  if (e.laFmax != null)
    r.append(cell('parts', '音圧レベル ' + (e.clipped ? '≥' : '') + e.laFmax.toFixed(1) + ' dB(A)'));
  return r;
}
function show(data) {
  const latest = data.latest ? data.latest.entryNo : 0;
  $('latest').replaceChildren(...(data.latest ? [cell('note', '最新'), row(data.latest, 'pinned latest')] : []));
  $('rows').replaceChildren(...data.entrants.map(e => row(e, e.entryNo === latest ? 'row latest' : 'row')));
  $('state').textContent = data.count + '人　' + data.updated.replace('T', ' ') + ' 更新' +
                           (data.distanceCm ? '\n音圧レベルはマイクから ' + data.distanceCm + ' cm' : '');
  $('more').hidden = data.entrants.length >= data.count || limit >= most;
}
function preparing() {
  rankingTag = null;
  ['latest', 'rows', 'found'].forEach(id => $(id).replaceChildren());
  $('more').hidden = true;
  $('state').textContent = '結果を準備しています…';
}
async function ask(url, tag) {
  return fetch(url, {cache: 'no-store', headers: tag ? {'If-None-Match': tag} : {}});
}
async function pollLookedUp() {
  if (!lookedUp)
    return;
  const answer = await ask('/api/entrant/' + lookedUp, lookedUpTag);
  if (answer.status === 200) {
    const e = await answer.json();
    $('found').replaceChildren(row(e, 'row found'));
    lookedUpTag = answer.headers.get('ETag');
  } else if (answer.status === 404) {
    $('found').replaceChildren(cell('note', 'No.' + lookedUp + ' の記録はまだありません'));
    lookedUpTag = null;
  }
}
async function poll() {
  clearTimeout(timer);
  try {
    const answer = await ask('/api/ranking?limit=' + limit, rankingTag);
    if (answer.status === 200) {
      show(await answer.json());
      rankingTag = answer.headers.get('ETag');
      await pollLookedUp();
    } else if (answer.status === 503) {
      preparing();
    } else if (answer.status === 304) {
      await pollLookedUp();
    }
  } catch (e) {
    $('state').textContent = '接続を待っています…';
  }
  timer = setTimeout(poll, 2000);
}
$('find').addEventListener('submit', event => {
  event.preventDefault();
  lookedUp = parseInt($('number').value, 10) || 0;
  lookedUpTag = null;
  $('found').replaceChildren();
  poll();
});
$('more').addEventListener('click', () => {
  limit = Math.min(most, limit + step);
  rankingTag = null;
  poll();
});
poll();
)";

std::string Page(const std::string& title, const std::string& body)
{
    return "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
           "<title>" + title + "</title><style>" + PageStyle + "</style></head><body>" + body + "</body></html>\n";
}

std::string Escaped(const QString& text)
{
    return text.toHtmlEscaped().toStdString();
}

}

const std::string& RankingPageHtml()
{
    static const std::string page = Page("ずべろ 順位", std::string("<h1>ずべろ 現在の順位</h1>"
                                                                   "<div class=\"note\" id=\"state\">読み込み中…</div>"
                                                                   "<div id=\"latest\"></div>"
                                                                   "<form id=\"find\"><input id=\"number\" type=\"number\" "
                                                                   "min=\"1\" max=\"3000\" inputmode=\"numeric\" "
                                                                   "placeholder=\"番号で探す\"><button>探す</button></form>"
                                                                   "<div id=\"found\"></div><div id=\"rows\"></div>"
                                                                   "<button id=\"more\" hidden>もっと見る</button><script>") +
                                                           RankingScript + "</script>");
    return page;
}

std::string EntrantPageHtml(const HallSnapshot& snapshot, const HallEntrant& entrant)
{
    const std::string who = "No." + std::to_string(entrant.EntryNo) + (entrant.Name ? " " + Escaped(*entrant.Name) : "");
    const auto graph = snapshot.Graphs.find(entrant.EntryNo);
    std::string body = "<p><a href=\"/\">← 順位に戻る</a></p><h1>" + who + "</h1>";
    body += "<div class=\"big\">" + std::to_string(entrant.Rank) + "位 / " + std::to_string(snapshot.Entrants.size()) +
            "人中</div>";
    body += "<dl><dt>総合得点</dt><dd>" + std::to_string(entrant.Total) + "点</dd><dt>最大値</dt><dd>" +
            std::to_string(entrant.MaxPoints) + "点</dd><dt>積算値</dt><dd>" + std::to_string(entrant.IntegratedPoints) +
            "点</dd><dt>発声時刻</dt><dd>" + Escaped(entrant.Time) + "</dd>";
    if (entrant.Level) {
        const EntrantLevel& level = *entrant.Level;
        body += "<dt>音圧レベル</dt><dd>最大 " + SoundLevelText(level.LAFmax, level.Clipped).toStdString() + "（マイクから " +
                std::to_string(level.DistanceCm) + " cm）</dd>";
    }
    body += "</dl>";
    body += graph == snapshot.Graphs.end() ? std::string("<p class=\"note\">グラフはありません</p>") : *graph->second;
    return Page("ずべろ " + who, body);
}

std::string PreparingPageHtml()
{
    return Page("ずべろ", "<p><a href=\"/\">← 順位に戻る</a></p><h1>結果を準備しています</h1>"
                         "<p class=\"note\">しばらくしてからもう一度どうぞ。</p>");
}
