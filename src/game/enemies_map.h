// Cells by map column, for everything the enemies look at. An enemy keeps
// its map column c, so its cell is map[c + 1][row + 1]; probes one cell
// around it (and enemies placed on the hidden rows of a stage) may reach
// past the grid, so every lookup is bounded here.
#pragma once

namespace tsu {

struct Game;
struct cell;

// The cell of map column `column`, row `row`; an empty cell for a probe
// outside the grid.
const cell& map_cell(const Game& g, int column, int row);
// Solid for enemies: either chip's passability is non-zero. Outside the
// grid nothing is solid.
bool map_solid(const Game& g, int column, int row);

} // namespace tsu
