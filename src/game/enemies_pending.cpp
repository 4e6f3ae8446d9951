// The enemies are not built yet: they stay where the stage put them.
#include "game/enemies.h"

namespace tsu {

void enemy_step(Game&) {}
void spawn_teki_shot(Game&, int, int, int, int, int) {}

} // namespace tsu
