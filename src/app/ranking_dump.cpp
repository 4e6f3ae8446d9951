#include "app/ranking_dump.h"

#include "game/game.h"
#include "ui/ranking_screen.h"

namespace tsu {

namespace {

using json = nlohmann::ordered_json;

// The extra packs' values 1..6 (index 0 of the arrays is unused).
json packs(const std::array<int32_t, kStageSets>& a) {
    json v = json::array();
    for (std::size_t s = 1; s < a.size(); ++s) v.push_back(a[s]);
    return v;
}

json dump_entry(int index, const tplayer& p) {
    json j;
    j["index"] = index;
    j["date"] = p.date;
    j["place"] = p.place;
    j["name"] = p.name;
    j["comment"] = p.comment;
    j["hi_stage"] = p.hi_stage;
    j["hi_chara"] = p.hi_chara;
    j["ir_id"] = p.ir_id;
    j["hi_score"] = p.hi_score;
    j["age"] = p.age;
    j["play_count"] = p.play_count;
    j["ex_play"] = packs(p.ex_play);
    j["ex_score"] = packs(p.ex_score);
    j["ex_chara"] = packs(p.ex_chara);
    j["ex_stage"] = packs(p.ex_stage);
    return j;
}

} // namespace

void dump_ranking(const Game& g, json& j) {
    json entries = json::array();
    for (int i = 0; i < kRankingEntries; ++i)
        if (!g.ranking[std::size_t(i)].name.empty()) entries.push_back(dump_entry(i, g.ranking[std::size_t(i)]));
    j["ranking"] = entries;
    json order = json::array();
    for (const auto& set : g.ir_order)
        order.push_back(std::vector<int32_t>(set.begin(), set.begin() + kListedRanks));
    j["ir_order"] = order;
    j["ir_set"] = g.ir_set;
    j["ir_page"] = g.ir_page;
    // Only while the ranking screen is open: the lines of the page it shows.
    j["ranking_lines"] = g.panels.ir_rank_box ? g.ranking_lines : std::vector<std::string>{};
}

} // namespace tsu
