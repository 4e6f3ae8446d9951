// The ranking screen: the request from the option panel, the two pages of
// the seven stage sets, the detail line of the rank under the mouse, and the
// way back to the option panel.
#pragma once
#include "ranking/tplayer.h"

#include <string>

namespace tsu {

struct Game;

// Ranks listed on page 0; page 1 lists ranks 23..50.
inline constexpr int kTopRanks = 22;
inline constexpr int kListedRanks = 50;
// Height of a ranking line on the picture (font size 9).
inline constexpr int kRankLineHeight = 12;

// "IR表示(I)" and the I key: within the minute of the last request the
// screen opens on the table it brought; an unregistered player gets the
// profile box; otherwise the profile is posted and the answer shown.
void ir_bClick(Game& g);

// Page 0 (ranks 1..22 with the dates of the players' posts) and page 1.
void ir_show_top(Game& g);
void ir_show_more(Game& g);

// "RANK切り替え(←→)": next set (left button or Left key) or previous (right button or Right key).
void ranking_set_switch(Game& g, bool next);
// "順位切替(↓)": the other page of the ranking.
void ranking_page_switch(Game& g);
// "BAK(ESC)": back to the option panel.
void Label13Click(Game& g);
// The pointer over the ranking lines (y relative to the picture).
void ir_rank_cgMouseMove(Game& g, int y);
// The detail line of the rank under the mouse (every 80 ms while shown).
void Timer2Timer(Game& g);

// A ranking line as the pages write it: rank text + "位 " + score + "両 【"
// + name + "】 " + age + "才 " + comment; "【name】未プレイ" for a player
// without a play in the set; empty for an entry without a name.
std::string ranking_line(const tplayer& e, int set, const std::string& rank_text);
// The detail text of rank r (1..) of the set: four lines separated by CR.
std::string ranking_detail(const tplayer& e, int set, int rank);

} // namespace tsu
