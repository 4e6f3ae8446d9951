// Questions about the stage grid in view coordinates: passability and the
// third heroine's blocks.
#pragma once

#include <cstdint>

namespace tsu {

struct Game;

// A cell is solid when either chip's passability is non-zero.
bool is_solid(Game& g, int x, int y);
// Index of the alive block at view cell (x, y), or 0 when none. Blocks exist
// only for the third heroine.
int block_at(Game& g, int x, int y);
// Passability of a chip number, 0 for numbers outside the tables.
int pass_of(const int32_t* table, int chip);

} // namespace tsu
