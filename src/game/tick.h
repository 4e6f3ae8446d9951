// The 80 ms main tick and its drawing helpers.
#pragma once
#include <string>

namespace tsu {

struct Game;

// One frame of the stage-end wipe (wipe already lowered).
void draw_wipe_frame(Game& g);
// The title's "PLAY n回 HI-SCORE n両" line, placed by heroine.
void draw_play_record_line(Game& g);
std::string play_record_text(const Game& g);

} // namespace tsu
