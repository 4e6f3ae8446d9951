// Drawing the visible part of the stage grid; the vents fire from here.
#pragma once

namespace tsu {

struct Game;

void map_drawing(Game& g);

// Whether the vent at view column `column`, row `row` fires on this tick:
// every 20 ticks, on a phase that depends on the cell.
bool vent_fires(int column, int row, int frame_count);

} // namespace tsu
