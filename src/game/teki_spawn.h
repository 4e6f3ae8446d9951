// Spawning an enemy: the next free slot of the enemy pool's ring gets a copy
// of its type's template and its position.
#pragma once

namespace tsu {

struct Game;

// Spawns an enemy of `type` at map column `column`, row `row`. The ring
// index `teki_next` (0-based slot s is row s + 1 of `teki`) advances until
// it meets a free slot, at most 999 steps; when the pool is full the slot it
// ends on is overwritten. Types 0 and below spawn nothing, and so does a type
// beyond the template rows (100 and above). On EASY every enemy gets 1 hp.
void spawn_teki(Game& g, int column, int row, int type);

} // namespace tsu
