// The stage-clear screen and the after-run screen with the records.
#pragma once
#include "render/colour.h"

namespace tsu {

struct Game;

// Gold taken off at the goal for many throws: 100 over 200, 350 over 300,
// 850 over 400.
int attack_penalty(int throws);
// The colour of the blinking notices, yellow to dark brown over 9 ticks.
Colour blink_color(int frame_count);

void draw_clear_result(Game& g); // mode 3: the status display and the stage's lines
void draw_run_result(Game& g);   // mode 2: the run's gold and the record of its stage set

} // namespace tsu
