// The ranking screen's controls that the keyboard also reaches.
#pragma once

namespace tsu {

struct Game;

// "RANK切り替え(←→)": next set (left button or Left key) or previous (right button or Right key).
void ranking_set_switch(Game& g, bool next);
// "順位切替(↓)": the other page of the ranking.
void ranking_page_switch(Game& g);
// The detail line of the rank under the mouse (every 80 ms while shown).
void Timer2Timer(Game& g);

} // namespace tsu
