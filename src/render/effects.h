// The effect renderer: walks the effect pool once per tick, ages, draws and
// frees every active slot.
#pragma once

namespace tsu {

struct Game;

void draw_effects(Game& g);

// The jump-and-settle offset of the bouncing texts for an age: they leap up,
// drop, bob and then sink 1 px per tick.
int bounce_offset(int age);

} // namespace tsu
