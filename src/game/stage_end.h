// The end of a stage: game over and the picture step that starts the wipe.
#pragma once

namespace tsu {

struct Game;

// Stops the music, plays "over.wav", ends the run (mode 2, no lives) and
// clears every power-up timer.
void game_over(Game& g);

// The last step of the collision pass: standing on the exit chip clears the
// stage (mode 3) with its bonus.
void goal_test(Game& g);
// The clear bonus in gold for a stage: +500 without a hit, less for many throws.
int clear_bonus(int misses, int throws);

// Starts the wipe, snapshots the view into cg_img[39] and loads the picture
// of the following screen into haikei (by mode, heroine and situation).
void stage_end_picture(Game& g);

} // namespace tsu
