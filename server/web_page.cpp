// HTML and JSON of the ranking tables. A table reads like the game's
// ranking screen: rank, gold, name, then the details of the detail line.
#include "web_page.h"

#include "ranking/set_texts.h"

#include <nlohmann/json.hpp>

namespace tsu::rankd {

namespace {

// The heroines' colours of the game's ranking lines.
const char* heroine_class(int chara) {
    switch (chara) {
    case 1: return "c1";
    case 2: return "c2";
    case 3: return "c3";
    default: return "c0";
    }
}

constexpr const char* kStyle = R"(
:root { color-scheme: dark; }
body { margin: 0; background: #000; color: #ddd; font: 15px/1.45 "IPAGothic", "IPAPGothic", sans-serif; }
header { padding: 12px 16px; border-bottom: 1px solid #333; }
h1 { margin: 0; font-size: 20px; }
nav a { display: inline-block; margin: 6px 8px 0 0; color: #9cf; }
section { padding: 8px 16px 16px; }
h2 { font-size: 17px; margin: 14px 0 6px; color: #fff; }
.wrap { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; }
th, td { padding: 3px 6px; text-align: left; border-bottom: 1px solid #222; white-space: nowrap; }
th { color: #888; font-weight: normal; font-size: 13px; }
td.num { text-align: right; font-variant-numeric: tabular-nums; }
td.comment { white-space: normal; min-width: 12em; }
td.date { color: #666; font-size: 12px; }
.c0 { color: #aaa; } .c1 { color: #0cf; } .c2 { color: #fc0; } .c3 { color: #f0c; }
.empty { color: #666; }
@media (max-width: 640px) {
  thead { display: none; }
  table, tbody, tr, td { display: block; width: auto; }
  tr { padding: 6px 0; border-bottom: 1px solid #333; }
  td { border: 0; padding: 1px 0; white-space: normal; display: inline; }
  td.num { text-align: left; }
  td.rank::after { content: "位 "; }
  td.gold::after { content: "両 "; }
  td.name { font-weight: bold; }
  td.name::after { content: ""; display: block; }
  td.stage::before { content: "ステージ "; }
  td.heroine::after, td.stage::after, td.plays::after, td.place::after { content: " ／ "; color: #555; }
  td.comment { display: block; min-width: 0; }
  td.date { display: block; }
}
)";

std::string td(const char* cls, const std::string& text) {
    return std::string("<td class=\"") + cls + "\">" + html_escape(text) + "</td>";
}

} // namespace

std::string html_escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string ranking_page(const std::array<std::vector<tplayer>, kStageSets>& sets) {
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
        "<title>Tsumikiya ranking</title><style>";
    h += kStyle;
    h += "</style></head><body><header><h1>Tsumikiya ranking</h1><nav>";
    for (int s = 0; s < kStageSets; ++s)
        h += "<a href=\"#set" + std::to_string(s) + "\">" + html_escape(ir_set_title(s)) + "</a>";
    h += "</nav></header>\n";
    for (int s = 0; s < kStageSets; ++s) {
        const auto& players = sets[std::size_t(s)];
        h += "<section id=\"set" + std::to_string(s) + "\"><h2>" + html_escape(ir_set_title(s)) + "</h2>";
        if (players.empty()) {
            h += "<p class=\"empty\">まだ記録がありません</p></section>\n";
            continue;
        }
        h += "<div class=\"wrap\"><table><thead><tr><th>順位</th><th>両</th><th>名前</th><th>キャラ</th>"
             "<th>最終達成ステージ</th><th>Play</th><th>地域</th><th>年齢</th><th>一言コメント</th>"
             "<th>日付</th></tr></thead><tbody>\n";
        int rank = 0;
        for (const tplayer& p : players) {
            const SetRecord r = set_record(p, s);
            h += std::string("<tr class=\"") + heroine_class(r.chara) + "\">";
            h += td("num rank", std::to_string(++rank));
            h += td("num gold", std::to_string(r.score));
            h += td("name", p.name);
            h += td("heroine", ir_heroine_name(r.chara));
            h += td("stage", ir_stage_text(r.stage));
            h += td("num plays", r.plays == 0 ? "未プレイ" : std::to_string(r.plays) + "回");
            h += td("place", p.place);
            h += td("num age", std::to_string(p.age) + "才");
            h += td("comment", p.comment);
            h += td("date", p.date);
            h += "</tr>\n";
        }
        h += "</tbody></table></div></section>\n";
    }
    h += "</body></html>\n";
    return h;
}

std::string ranking_json(int set, const std::vector<tplayer>& players) {
    nlohmann::json list = nlohmann::json::array();
    int rank = 0;
    for (const tplayer& p : players) {
        const SetRecord r = set_record(p, set);
        list.push_back({{"rank", ++rank},
                        {"gold", r.score},
                        {"name", p.name},
                        {"heroine", r.chara},
                        {"heroine_name", ir_heroine_name(r.chara)},
                        {"stage", r.stage},
                        {"stage_text", ir_stage_text(r.stage)},
                        {"plays", r.plays},
                        {"region", p.place},
                        {"age", p.age},
                        {"comment", p.comment},
                        {"date", p.date}});
    }
    const nlohmann::json doc = {{"set", set}, {"title", ir_set_title(set)}, {"players", list}};
    // Invalid UTF-8 cannot come from a decoded post; replaced rather than thrown on anyway.
    return doc.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace tsu::rankd
