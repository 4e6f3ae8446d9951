// The ranking screen's request, pages, set switch and detail line.
#include "ui/ranking_screen.h"

#include "game/assets.h"
#include "game/game.h"
#include "ranking/ranking.h"
#include "ui/panels.h"
#include "ui/profile_panel.h"
#include "ui/ranking_exchange.h"

namespace tsu {

namespace {

constexpr Colour kDateColour = rgb(0x666666);

// The line's colour by the player's heroine in the set; any other value
// keeps the colour the previous line left on the picture.
void heroine_colour(Bitmap& c, int chara) {
    static constexpr Colour kColours[] = {rgb(0xAAAAAA), rgb(0x00CCFF), rgb(0xFFCC00), rgb(0xFF00CC)};
    if (chara >= 0 && chara < 4) c.font.colour = kColours[chara];
}

Bitmap& lines_picture(Game& g) { return picture_box(g, "ir_rank_cg").canvas; }

// The set's entry at rank position k (0-based); entry 0 (the notice entry)
// stands in every position without a player.
const tplayer& at_rank(const Game& g, int k) {
    const int32_t e = g.ir_order[std::size_t(g.ir_set)][std::size_t(k)];
    return g.ranking[std::size_t(e >= 0 && e < kRankingEntries ? e : 0)];
}

// Clears the picture and writes ranks first..last (1-based) from its top;
// with dates, each player's post date follows the line in small grey type.
void draw_ranks(Game& g, int first, int last, bool dates) {
    Bitmap& c = lines_picture(g);
    c.fill(kBlack);
    c.brush_style = BrushStyle::clear;
    c.font.style = FontStyle{9, true, false};
    g.ranking_lines.clear();
    for (int rank = first; rank <= last; ++rank) {
        const tplayer& e = at_rank(g, rank - 1);
        const SetRecord s = set_record(e, g.ir_set);
        std::string rank_text = std::to_string(rank);
        if (dates && rank < 10) rank_text = "0" + rank_text;
        const std::string line = ranking_line(e, g.ir_set, rank_text);
        heroine_colour(c, s.chara);
        const int y = kRankLineHeight * (rank - first);
        c.text_out(2, y, line);
        if (!line.empty()) g.ranking_lines.push_back(line);
        if (!dates) continue;
        const int x = c.text_width(line) + 4;
        c.font.style = FontStyle{8, true, false};
        c.font.colour = kDateColour;
        c.text_out(x, y + 2, e.date);
        if (!e.date.empty()) g.ranking_lines.push_back(e.date);
        c.font.style = FontStyle{9, true, false};
    }
}

void show_failure(Game& g) { label(g, "ir_err_l").caption = g.ir_failure; }

} // namespace

std::string ranking_line(const tplayer& e, int set, const std::string& rank_text) {
    if (e.name.empty()) return "";
    const SetRecord s = set_record(e, set);
    if (s.plays == 0) return rank_text + "位 【" + e.name + "】未プレイ";
    return rank_text + "位 " + std::to_string(s.score) + "両 【" + e.name + "】 " + std::to_string(e.age) +
           "才 " + e.comment;
}

std::string ranking_detail(const tplayer& e, int set, int rank) {
    if (e.name.empty()) return "";
    const SetRecord s = set_record(e, set);
    return std::to_string(rank) + "位 " + std::to_string(s.score) + "両 【" + e.name + "】\r" +
           std::to_string(s.plays) + "回Play " + e.place + " " + std::to_string(e.age) + "才 \r" +
           "キャラ:" + ir_heroine_name(s.chara) + " ／ 最終達成ステージ:" + ir_stage_text(s.stage) +
           "\r" + e.comment;
}

void ir_bClick(Game& g) {
    g.ir_failure.clear();
    const LocalTime now = g.platform->local_time();
    const int32_t stamp = minute_stamp(now.year, now.month, now.day, now.hour, now.minute);
    if (stamp == g.my.ir_time) {
        // Within the minute of the last request: its table again, no post.
        g.ir_page = 0;
        ir_show_top(g);
        return;
    }
    if (g.panels.ir_name_b) { // no ranking name yet
        Label31Click(g);
        return;
    }
    g.my.ir_time = stamp;
    g.comment = edit_field(g, "ir_mes").value();
    g.my.age = spin_edit(g, "ir_age").number();
    g.my.place = edit_field(g, "ir_place").value();
    label(g, "ir_mes_l").caption = kSendingText;
    ir_post(g);
    ir_sort(g.ranking, g.ir_order);
    g.ir_page = 0;
    ir_show_top(g);
}

void ir_show_top(Game& g) {
    label(g, "ir_name_l").caption = ir_set_title(g.ir_set);
    play_se(g, "exp.wav");
    label(g, "ir_mes_l").caption = "....";
    label(g, "ir_mes_l2").caption = "上位から表示しています";
    show_failure(g);
    g.panels.option_box = false;
    g.panels.ir_rank_box = true;
    draw_ranks(g, 1, kTopRanks, true);
}

void ir_show_more(Game& g) {
    play_se(g, "key2.wav");
    label(g, "ir_mes_l2").caption = "23位以下を表示しています";
    show_failure(g);
    draw_ranks(g, kTopRanks + 1, kListedRanks, false);
}

void ranking_set_switch(Game& g, bool next) {
    g.ir_failure.clear();
    g.ir_set = next ? (g.ir_set + 1) % kStageSets : (g.ir_set + kStageSets - 1) % kStageSets;
    g.ir_page = 0;
    ir_show_top(g);
}

void ranking_page_switch(Game& g) {
    g.ir_failure.clear();
    g.ir_page = 1 - g.ir_page;
    if (g.ir_page == 0)
        ir_show_top(g);
    else
        ir_show_more(g);
}

void Label13Click(Game& g) {
    g.ir_failure.clear();
    play_se(g, "2.wav");
    g.panels.ir_rank_box = false;
    g.panels.option_box = true;
}

void ir_rank_cgMouseMove(Game& g, int y) { g.ir_mouse_y = y; }

void Timer2Timer(Game& g) {
    const int rank = 1 + (g.ir_page == 1 ? kTopRanks : 0) + g.ir_mouse_y / kRankLineHeight;
    std::string detail;
    if (rank >= 1 && rank <= kRankingEntries) detail = ranking_detail(at_rank(g, rank - 1), g.ir_set, rank);
    label(g, "ir_rank_l").caption = detail;
}

} // namespace tsu
