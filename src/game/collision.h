// Contact between the heroine and the rest of the stage: the collision pass
// (twice per tick) and the hit that hurts her.
#pragma once

namespace tsu {

struct Game;

void collision_pass(Game& g);
void hit(Game& g);

} // namespace tsu
