// The effect renderer: walks the effect pool once per tick, ages, draws and
// frees every active slot.
#pragma once

namespace tsu {

struct Game;

void draw_effects(Game& g);

} // namespace tsu
