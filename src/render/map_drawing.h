// Drawing the visible part of the stage grid; the vents fire from here.
#pragma once

namespace tsu {

struct Game;

void map_drawing(Game& g);

} // namespace tsu
