// The enemies and their shots: the per-tick enemy step and the enemy shot spawn.
#pragma once

namespace tsu {

struct Game;

void enemy_step(Game& g);
// An enemy shot at map column `column`, row `row`, moving by the signed
// periods vx, vy, drawn with cg_img[image + anim].
void spawn_teki_shot(Game& g, int column, int row, int image, int vy, int vx);

} // namespace tsu
