// The heroine's movement is not built yet: these steps do nothing.
#include "game/player.h"

namespace tsu {

void player_step(Game&) {}
void x_special(Game&) {}
void gauge_decay(Game&) {}

} // namespace tsu
