// The end of a stage: game over and the picture step that starts the wipe.
#pragma once

namespace tsu {

struct Game;

// Stops the music, plays "over.wav", ends the run (mode 2, no lives) and
// clears every power-up timer.
void game_over(Game& g);

// Starts the wipe, snapshots the view into cg_img[39] and loads the picture
// of the following screen into haikei (by mode, heroine and situation).
void stage_end_picture(Game& g);

} // namespace tsu
