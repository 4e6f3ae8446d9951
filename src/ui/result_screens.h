// The stage-clear screen and the after-run screen with the records.
#pragma once

namespace tsu {

struct Game;

void draw_clear_result(Game& g); // mode 3, every tick after the wipe
void draw_run_result(Game& g);   // mode 2, every tick after the wipe

} // namespace tsu
